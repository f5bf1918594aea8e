#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace files {

// The temporary file a save writes beside its target before the rename:
// ".<target>.<pid>.<n>.<8 hex digits>.tmp", unique to this process and call.
std::string SaveTempName(std::string_view targetName);

// The process that made entry, when entry is exactly such a temporary name of
// targetName (nothing before or after, digits as the writer prints them).
std::optional<pid_t> SaveTempNameOwner(std::string_view entry, std::string_view targetName);

}  // namespace files

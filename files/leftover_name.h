// The names that files left behind by killed processes carry: a fixed start,
// then ".<pid>.<n>", then a fixed or checked end.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string_view>

namespace files {

// The process number when entry reads start + "." + <pid> + "." + <n> + rest,
// both numbers as printf writes them (digits only, no leading zero, the pid
// not 0); rest is then set to what follows, for the caller to check.
std::optional<pid_t> ProcessNamedIn(std::string_view entry, std::string_view start, std::string_view& rest);

}  // namespace files

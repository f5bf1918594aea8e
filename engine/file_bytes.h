#pragma once

#include <optional>
#include <string>

namespace engine {

// The whole content of a file, byte for byte; none when a folder stands there or
// the file cannot be opened or read to its end.
std::optional<std::string> ReadFileBytes(const std::string& path);

}  // namespace engine

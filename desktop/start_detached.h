// Starting another program without waiting for it.
#pragma once

#include <string>
#include <vector>

namespace desktop {

// Starts program (searched on PATH when it names no folder) with the arguments
// exactly as given, byte for byte, never through a shell; does not wait for it.
// True when it started, false when it could not (missing, not executable).
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace desktop

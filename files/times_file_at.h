#pragma once

#include <string>

#include "engine/times_file.h"

namespace files {

// The times file at path, read whole within its limit and parsed. Missing when
// the file cannot be opened or read, or is no regular file; Damaged when it is
// longer than TimesFileByteLimit.
engine::ReadOutcome ReadTimesFileAt(const std::string& path, engine::TimesFileData& out);

}  // namespace files

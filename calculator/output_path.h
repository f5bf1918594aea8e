// Where the times file goes, and whether that place can hold a file at all.
#pragma once

#include "files/name_look.h"

#include <optional>
#include <string>

namespace calculator {

// The program's folder joined with the output-file box.
std::string OutputFilePath(const std::string& programFolder, const std::string& fileBoxText);

// Why the box cannot name the file to write (empty, or a folder, FIFO or device
// stands there, as the one look at the output file found); nothing when it can.
std::optional<std::string> OutputFileProblem(const std::string& fileBoxText, files::Standing standing);

// Whether the overwrite question is asked: only when a file stands there.
bool AsksToOverwrite(files::Standing standing);

}  // namespace calculator

// Where the times file goes, and whether that place can hold a file at all.
#pragma once

#include <optional>
#include <string>

namespace calculator {

// The program's folder joined with the output-file box.
std::string OutputFilePath(const std::string& programFolder, const std::string& fileBoxText);

// Why the box cannot name the file to write (empty, or a folder, FIFO or device stands there);
// nothing when it can.
std::optional<std::string> OutputFileProblem(const std::string& outputFile, const std::string& fileBoxText);

// Whether a file (not a folder) of that path exists: the overwrite question asks only then.
bool OutputFileExists(const std::string& outputFile);

}  // namespace calculator

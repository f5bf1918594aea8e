#include "calculator/output_path.h"

#include <filesystem>
#include <system_error>

namespace calculator {

std::string OutputFilePath(const std::string& programFolder, const std::string& fileBoxText) {
    return programFolder + "/" + fileBoxText;
}

std::optional<std::string> OutputFileProblem(const std::string& outputFile, const std::string& fileBoxText) {
    if (fileBoxText.empty()) return std::string("The output file box holds no file name.");
    if (fileBoxText.back() == '/') return std::string("The name ends with a folder separator, not a file name.");
    std::error_code ec;
    const auto status = std::filesystem::status(outputFile, ec);
    if (std::filesystem::is_directory(status))
        return std::string("A folder of that name stands where the file should be.");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return std::string("Something other than a file (a FIFO or a device) stands where the file should be.");
    return std::nullopt;
}

bool OutputFileExists(const std::string& outputFile) {
    std::error_code ec;
    auto status = std::filesystem::status(outputFile, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace calculator

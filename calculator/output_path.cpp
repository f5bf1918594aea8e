#include "calculator/output_path.h"

#include "calculator/messages.h"

#include <filesystem>
#include <system_error>

namespace calculator {

std::string OutputFilePath(const std::string& programFolder, const std::string& fileBoxText) {
    return programFolder + "/" + fileBoxText;
}

std::optional<std::string> OutputFileProblem(const std::string& outputFile, const std::string& fileBoxText) {
    if (fileBoxText.empty()) return std::string(kNoFileName);
    if (fileBoxText.back() == '/') return std::string(kNameEndsInSeparator);
    std::error_code ec;
    const auto status = std::filesystem::status(outputFile, ec);
    if (std::filesystem::is_directory(status)) return std::string(kFolderAtName);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return std::string(kNoFileAtName);
    return std::nullopt;
}

bool OutputFileExists(const std::string& outputFile) {
    std::error_code ec;
    auto status = std::filesystem::status(outputFile, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace calculator

#include "calculator/output_path.h"

#include "calculator/messages.h"

namespace calculator {

std::string OutputFilePath(const std::string& programFolder, const std::string& fileBoxText) {
    return programFolder + "/" + fileBoxText;
}

std::optional<std::string> OutputFileProblem(const std::string& fileBoxText, files::Standing standing) {
    if (fileBoxText.empty()) return std::string(kNoFileName);
    if (fileBoxText.back() == '/') return std::string(kNameEndsInSeparator);
    if (standing == files::Standing::Folder) return std::string(kFolderAtName);
    if (standing == files::Standing::Other) return std::string(kNoFileAtName);
    return std::nullopt;
}

bool AsksToOverwrite(files::Standing standing) { return standing == files::Standing::RegularFile; }

}  // namespace calculator

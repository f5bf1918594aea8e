#include "calculator/output_path.h"

#include "calculator/messages.h"

namespace calculator {

std::string OutputFilePath(const std::string& programFolder, const std::string& fileBoxText) {
    return programFolder + "/" + fileBoxText;
}

std::optional<std::string> OutputFileProblem(const std::string& fileBoxText, const files::NameLook& look) {
    if (fileBoxText.empty()) return std::string(kNoFileName);
    if (fileBoxText.back() == '/') return std::string(kNameEndsInSeparator);
    if (look.what == files::Standing::Folder) return std::string(kFolderAtName);
    if (look.what == files::Standing::Other) return std::string(kNoFileAtName);
    return std::nullopt;
}

bool AsksToOverwrite(const files::NameLook& look) { return look.what == files::Standing::RegularFile; }

}  // namespace calculator

#include "announcer/core/file_in_folder.h"

namespace announcer {

std::string FileInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace announcer

#include "files/name_look.h"

#include <sys/stat.h>

namespace files {

Standing LookAtName(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Standing::Nothing;
    if (S_ISREG(st.st_mode)) return Standing::RegularFile;
    if (S_ISDIR(st.st_mode)) return Standing::Folder;
    return Standing::Other;
}

}  // namespace files

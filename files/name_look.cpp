#include "files/name_look.h"

#include <sys/stat.h>

#include <cerrno>

namespace files {

NameLook LookAtName(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {Standing::Nothing, errno};
    if (S_ISREG(st.st_mode)) return {Standing::RegularFile, 0};
    if (S_ISDIR(st.st_mode)) return {Standing::Folder, 0};
    return {Standing::Other, 0};
}

}  // namespace files

#include "files/link_rule.h"

#include <unistd.h>

namespace files {

bool IsUsersOwnLink(const struct stat& st) { return S_ISLNK(st.st_mode) && st.st_uid == ::getuid(); }

bool IsAnotherUsersLink(const struct stat& st) { return S_ISLNK(st.st_mode) && !IsUsersOwnLink(st); }

bool IsUsersOwnRegularFile(const struct stat& st) { return S_ISREG(st.st_mode) && st.st_uid == ::getuid(); }

bool IsPlantedLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && IsAnotherUsersLink(st);
}

}  // namespace files

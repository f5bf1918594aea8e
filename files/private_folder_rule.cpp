#include "files/private_folder_rule.h"

namespace files {

std::string WhyNotPrivateFolder(const struct stat& st, uid_t user) {
    if (S_ISLNK(st.st_mode)) return "it is a link";
    if (!S_ISDIR(st.st_mode)) return "it is no folder";
    if (st.st_uid != user) return "it belongs to another user";
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) return "others can write into it";
    return {};
}

}  // namespace files

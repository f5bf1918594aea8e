#include "desktop/private_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace desktop {
namespace {

std::string WithSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path + "/";
}

// Empty when the folder is private to user, else what is wrong with it.
std::string WhyNotPrivate(const struct stat& st, uid_t user) {
    if (!S_ISDIR(st.st_mode)) return "it is no folder";
    if (st.st_uid != user) return "it belongs to another user";
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) return "others can write into it";
    return {};
}

}  // namespace

PrivateFolder ChoosePrivateFolder(const std::string& runtimeDir, const std::string& fallback, uid_t user) {
    struct stat st{};
    // The session made this one for the user; a link to it is the session's own.
    if (!runtimeDir.empty() && runtimeDir[0] == '/' && ::stat(runtimeDir.c_str(), &st) == 0 &&
        WhyNotPrivate(st, user).empty())
        return {WithSlash(runtimeDir), {}};

    const std::string refused = "The temp folder " + fallback + " cannot be used: ";
    if (::mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST) return {{}, refused + std::strerror(errno) + "."};
    // Never through a link: whoever made the link chose where it leads.
    if (::lstat(fallback.c_str(), &st) != 0) return {{}, refused + std::strerror(errno) + "."};
    if (S_ISLNK(st.st_mode)) return {{}, refused + "it is a link."};
    const std::string why = WhyNotPrivate(st, user);
    if (!why.empty()) return {{}, refused + why + "."};
    return {WithSlash(fallback), {}};
}

PrivateFolder UsersPrivateFolder() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    const uid_t user = ::getuid();
    return ChoosePrivateFolder(runtimeDir ? runtimeDir : "", "/tmp/kelvora-" + std::to_string(user), user);
}

}  // namespace desktop

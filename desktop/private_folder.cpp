#include "desktop/private_folder.h"

#include "files/private_folder_rule.h"

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

// The session made this one for the user; a link to it is the session's own.
bool SessionsFolderIsPrivate(const std::string& path, uid_t user, struct stat& st) {
    return !path.empty() && path[0] == '/' && ::stat(path.c_str(), &st) == 0 &&
           files::WhyNotPrivateFolder(st, user).empty();
}

// Makes the program's own folder when missing; empty when usable, else the refusal.
std::string MakeOwnFolder(const std::string& path, uid_t user, struct stat& st) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return TempFolderRefusal(path, std::strerror(errno));
    // Never through a link: whoever made the link chose where it leads.
    if (::lstat(path.c_str(), &st) != 0) return TempFolderRefusal(path, std::strerror(errno));
    const std::string why = files::WhyNotPrivateFolder(st, user);
    return why.empty() ? std::string() : TempFolderRefusal(path, why);
}

// Walks the candidates in order; stops at the first usable one when asked to,
// so that the program's own folder is only made when it is needed.
std::vector<UsableFolder> Usable(const PrivateFolderCandidates& c, bool firstOnly, std::string& refusal) {
    std::vector<UsableFolder> usable;
    auto add = [&](const std::string& path, const struct stat& st) {
        for (const UsableFolder& f : usable) {
            if (f.device == st.st_dev && f.inode == st.st_ino) return;
        }
        usable.push_back({WithSlash(path), st.st_dev, st.st_ino});
    };
    struct stat st {};
    for (const std::string* session : {&c.runtimeDir, &c.runUser}) {
        if (SessionsFolderIsPrivate(*session, c.user, st)) add(*session, st);
        if (firstOnly && !usable.empty()) return usable;
    }
    refusal = MakeOwnFolder(c.fallback, c.user, st);
    if (refusal.empty()) add(c.fallback, st);
    if (!usable.empty()) refusal.clear();
    return usable;
}

}  // namespace

std::string TempFolderRefusal(const std::string& folder, const std::string& why) {
    return "The temp folder " + folder + " cannot be used: " + why + ".";
}

PrivateFolderCandidates UsersPrivateFolderCandidates() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    const uid_t user = ::getuid();
    return {runtimeDir ? runtimeDir : "", "/run/user/" + std::to_string(user), "/tmp/kelvora-" + std::to_string(user),
            user};
}

PrivateFolder ChoosePrivateFolder(const PrivateFolderCandidates& candidates) {
    std::string refusal;
    const std::vector<UsableFolder> usable = Usable(candidates, true, refusal);
    if (usable.empty()) return {{}, refusal};
    return {usable.front().path, {}};
}

PrivateFolder UsersPrivateFolder() { return ChoosePrivateFolder(UsersPrivateFolderCandidates()); }

std::vector<UsableFolder> UsablePrivateFolders(const PrivateFolderCandidates& candidates) {
    std::string refusal;
    return Usable(candidates, false, refusal);
}

}  // namespace desktop

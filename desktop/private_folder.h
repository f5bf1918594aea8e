// The user's private folder for the reports and the single-instance lock: a
// folder nobody else can plant files or links in.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace desktop {

// Where the private folder may be, in the order tried.
struct PrivateFolderCandidates {
    std::string runtimeDir;  // the session's $XDG_RUNTIME_DIR; may be empty
    std::string runUser;     // /run/user/<uid>: made by the system, no other user can create it
    std::string fallback;    // /tmp/kelvora-<uid>: made by the program with mode 0700 when missing
    uid_t user = 0;
};

// The running user's: $XDG_RUNTIME_DIR, /run/user/<uid>, /tmp/kelvora-<uid>
// (never $TMPDIR, so that every start of one user finds the same folders).
PrivateFolderCandidates UsersPrivateFolderCandidates();

struct PrivateFolder {
    std::string path;     // with its trailing "/"; empty when refused
    std::string refusal;  // why there is none, as a sentence for the user
};

// The sentence that says why folder cannot take the reports: "The temp folder
// /tmp/kelvora-1000 cannot be used: it belongs to another user."
std::string TempFolderRefusal(const std::string& folder, const std::string& why);

// The first usable candidate. runtimeDir and runUser are usable when they are
// private to user; fallback is made when missing and usable when private.
// Private means: a folder (fallback may not be a link), belonging to user,
// that no one else can write into. When none is usable, the refusal says why
// the fallback cannot be used.
PrivateFolder ChoosePrivateFolder(const PrivateFolderCandidates& candidates);

// The same for the running user.
PrivateFolder UsersPrivateFolder();

struct UsableFolder {
    std::string path;  // with its trailing "/"
    dev_t device = 0;
    ino_t inode = 0;
};

// Every usable candidate, in the order above; a folder reached by two
// candidates (the same device and inode) is given once, by the first.
std::vector<UsableFolder> UsablePrivateFolders(const PrivateFolderCandidates& candidates);

}  // namespace desktop

// The user's private folder for the reports and the single-instance name: a
// folder nobody else can plant files or links in.
#pragma once

#include <sys/types.h>

#include <string>

namespace desktop {

struct PrivateFolder {
    std::string path;     // with its trailing "/"; empty when refused
    std::string refusal;  // why there is none, as a sentence for the user
};

// runtimeDir (the session's $XDG_RUNTIME_DIR, may be empty) when it is private
// to user, else fallback, made with mode 0700 when missing. Private means: a
// real folder (fallback may not be a link), belonging to user, that no one else
// can write into.
PrivateFolder ChoosePrivateFolder(const std::string& runtimeDir, const std::string& fallback, uid_t user);

// The same for the running user: $XDG_RUNTIME_DIR, else /tmp/kelvora-<uid>
// (never $TMPDIR, so that every start of one user finds the same folder).
PrivateFolder UsersPrivateFolder();

}  // namespace desktop

// Single instance by window title. The program that takes the locks on the
// title's lock files first holds the title for as long as it runs; the system
// lets go of them when the program ends, even by a crash. There is one lock file
// in every usable private folder of the user (the session's, the system's
// /run/user/<uid>, the program's own), so that starts with different
// environments still meet in a common folder and a squatter on one of them
// cannot break the rule; no other user can take a name there first. With no
// usable folder at all there is nothing to hold the title by, and the program
// starts all the same.
#pragma once

#include "desktop/private_folder.h"

#include <QString>

#include <map>
#include <vector>

namespace desktop {

// The lock file's full path for a title in folder (with its trailing "/"):
// readable, unique per title.
QString instanceLockName(const std::string& folder, const QString& title);

// The titles this program has claimed; they are released when it ends.
class InstanceClaims {
public:
    InstanceClaims();  // in the running user's private folders
    explicit InstanceClaims(PrivateFolderCandidates where);
    ~InstanceClaims();
    InstanceClaims(const InstanceClaims&) = delete;
    InstanceClaims& operator=(const InstanceClaims&) = delete;

    // Takes the title unless a running program holds it: the test and the
    // claim are one step, so of two simultaneous claims exactly one wins. The
    // claim wins only when it holds the lock in every usable folder, and lets
    // go of those it took when one is held elsewhere. A lock file left behind
    // by a crashed holder is free again. False only when a running program
    // holds the title; a folder where no lock file can be made is passed over.
    bool claim(const QString& title);

private:
    PrivateFolderCandidates where_;
    std::map<QString, std::vector<int>> held_;  // title -> locked descriptors
};

}  // namespace desktop

// Single instance by window title. The program that takes the locks on the
// title's lock files first holds the title for as long as it runs; the system
// lets go of them when the program ends, even by a crash.
//
// One lock file lies beside the program's own files, in its folder: two starts
// of one copy of the program always meet there, whatever their environment and
// whatever stands in /tmp, and no other user can open that file. One more lies
// in every usable private folder of the user (the session's, the system's
// /run/user/<uid>, the program's own in /tmp), so that copies in other folders
// meet too; no other user can take a name there first. Where no lock file can
// be had at all (a read-only program folder and no usable private folder) there
// is nothing to hold the title by, and the program starts all the same.
#pragma once

#include "desktop/private_folder.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace desktop {

// The lock file's full path for a title in a private folder (with its trailing
// "/"): readable, unique per title. Paths are the system's bytes, so that a
// folder of any name takes its lock.
std::string instanceLockName(const std::string& folder, const QString& title);

// The running user's lock file for a title in the program's folder: hidden,
// and named for the title as in a private folder, followed by the user's
// number: ".Kelvora___v3_2-b77cd1a4b6-1000.lock" for "Kelvora - v3.2" and user
// 1000. Each user has a name of their own there, so that users sharing one
// program folder never take each other's lock files for planted ones.
std::string programFolderLockName(const std::string& programFolder, const QString& title);

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
    // claim wins only when it holds the lock in the program's folder and in
    // every usable private folder; refused, it lets go at once of those it
    // took, so that a later start is judged by the running program alone. A
    // lock file left behind by a crashed holder is free again. False only when
    // a running program holds the title; a folder where no lock file can be
    // had is passed over. programFolder is the running program's folder ("":
    // none).
    bool claim(const QString& title, const std::string& programFolder);

private:
    PrivateFolderCandidates where_;
    std::map<QString, std::vector<int>> held_;  // title -> locked descriptors
};

}  // namespace desktop

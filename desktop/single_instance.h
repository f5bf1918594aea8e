// Single instance by window title. The program that takes the lock on the
// title's lock file first holds the title for as long as it runs; the system
// lets go of the lock when the program ends, even by a crash. The lock file
// lives in the user's private folder, so no other user can take the name first.
#pragma once

#include <QString>

#include <map>

namespace desktop {

// The lock file's full path for a title in the user's private folder:
// readable, unique per title. Empty when the user has no private folder.
QString instanceLockName(const QString& title);

// The titles this program has claimed; they are released when it ends.
class InstanceClaims {
public:
    InstanceClaims() = default;
    ~InstanceClaims();
    InstanceClaims(const InstanceClaims&) = delete;
    InstanceClaims& operator=(const InstanceClaims&) = delete;

    // Takes the title unless a running program holds it: the test and the
    // claim are one step, so of two simultaneous claims exactly one wins. A
    // lock file left behind by a crashed holder is free again. False only when
    // a running program holds the title; without a private folder or a lock
    // file there is nothing to hold the title by, and nothing stops this program.
    bool claim(const QString& title);

private:
    std::map<QString, int> held_;  // title -> locked descriptor
};

}  // namespace desktop

// Single instance by window title. The program that takes the lock on the
// title's lock file first holds the title for as long as it runs (the system
// lets go of the lock when it ends, even by a crash), and listens on a local
// socket named from the title so that others can see it run. Both live in the
// user's private folder, so no other user can take the name first.
#pragma once

#include <QString>

#include <map>
#include <memory>

namespace desktop {

// The socket's full path for a title in the user's private folder: readable,
// unique per title. Empty when the user has no private folder.
QString instanceServerName(const QString& title);

// Is a program that claimed this title running (connecting succeeds)?
bool instanceRunning(const QString& title);

// The titles this program has claimed; they are released when it ends.
class InstanceClaims {
public:
    InstanceClaims();
    ~InstanceClaims();

    // Takes the title unless a running program holds it: the test and the
    // claim are one step, so of two simultaneous claims exactly one wins. A
    // socket left behind by a crashed holder is removed. False only when a
    // running program holds the title; without a private folder or a lock file
    // there is nothing to hold the title by, and nothing stops this program.
    bool claim(const QString& title);

private:
    struct Held;
    std::map<QString, std::unique_ptr<Held>> held_;
};

}  // namespace desktop

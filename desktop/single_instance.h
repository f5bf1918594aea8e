// Single instance by window title: a running program listens on a local socket
// named from its title, and a second start finds it by connecting.
#pragma once

#include <QString>

#include <map>
#include <memory>

class QLocalServer;

namespace desktop {

// The socket name for a title: readable, unique per title and per user.
QString instanceServerName(const QString& title);

// Is a program that claimed this title running (connecting succeeds)?
bool instanceRunning(const QString& title);

// The titles this program has claimed; they are released when it ends.
class InstanceClaims {
public:
    InstanceClaims();
    ~InstanceClaims();

    // Listens under the title. A socket left behind by a crashed instance is
    // removed first; a live instance's socket is never taken over.
    // Returns whether this program now holds the title.
    bool claim(const QString& title);

private:
    std::map<QString, std::unique_ptr<QLocalServer>> servers_;
};

}  // namespace desktop

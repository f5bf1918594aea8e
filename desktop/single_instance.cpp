#include "desktop/single_instance.h"

#include "desktop/private_folder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace desktop {

struct InstanceClaims::Held {
    int lockFd = -1;
    std::unique_ptr<QLocalServer> server;
    ~Held() {
        server.reset();  // removes the socket
        // The lock file stays: removing it would let a later start lock a new
        // file while a waiting one still locks the old.
        if (lockFd >= 0) ::close(lockFd);
    }
};

QString instanceServerName(const QString& title) {
    const PrivateFolder folder = UsersPrivateFolder();
    if (folder.path.empty()) return {};
    // Letters and digits keep the name readable; the hash keeps titles that
    // differ only in punctuation apart. Short enough for a socket path.
    QString readable;
    for (QChar c : title.left(40)) readable += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar('_');
    const QByteArray hash =
        QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return QFile::decodeName(QByteArray::fromStdString(folder.path)) +
           QStringLiteral("suite-%1-%2").arg(readable, QString::fromLatin1(hash));
}

bool instanceRunning(const QString& title) {
    const QString name = instanceServerName(title);
    if (name.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    // A local connect completes at once or is refused; the wait only bounds a stuck peer.
    const bool connected = socket.waitForConnected(1000);
    socket.abort();
    return connected;
}

InstanceClaims::InstanceClaims() = default;
InstanceClaims::~InstanceClaims() = default;

bool InstanceClaims::claim(const QString& title) {
    if (held_.count(title)) return true;
    const QString name = instanceServerName(title);
    if (name.isEmpty()) return true;
    auto held = std::make_unique<Held>();
    held->lockFd = ::open(QFile::encodeName(name + QStringLiteral(".lock")).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (held->lockFd < 0) return true;
    // Never waits: a lock held elsewhere means that program runs.
    if (::flock(held->lockFd, LOCK_EX | LOCK_NB) != 0) return errno != EWOULDBLOCK;

    // Holding the lock, any socket at the name was left by a crash.
    QLocalServer::removeServer(name);
    held->server = std::make_unique<QLocalServer>();
    QLocalServer* raw = held->server.get();
    // Whoever connects only wants to know that we run: hang up at once.
    QObject::connect(raw, &QLocalServer::newConnection, raw, [raw] {
        while (QLocalSocket* peer = raw->nextPendingConnection()) {
            peer->abort();
            peer->deleteLater();
        }
    });
    (void)raw->listen(name);  // the lock alone keeps others out
    held_.emplace(title, std::move(held));
    return true;
}

}  // namespace desktop

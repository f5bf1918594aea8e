#include "desktop/single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace desktop {
namespace {

QString userId() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

}  // namespace

QString instanceServerName(const QString& title) {
    // Letters and digits keep the name readable; the hash keeps titles that
    // differ only in punctuation apart. Short enough for a socket path.
    QString readable;
    for (QChar c : title.left(40)) readable += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar('_');
    const QByteArray hash =
        QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return QStringLiteral("suite-%1-%2-%3").arg(readable, QString::fromLatin1(hash), userId());
}

bool instanceRunning(const QString& title) {
    QLocalSocket socket;
    socket.connectToServer(instanceServerName(title));
    // A local connect completes at once or is refused; the wait only bounds a stuck peer.
    const bool connected = socket.waitForConnected(1000);
    socket.abort();
    return connected;
}

InstanceClaims::InstanceClaims() = default;
InstanceClaims::~InstanceClaims() = default;  // each server removes its socket

bool InstanceClaims::claim(const QString& title) {
    if (servers_.count(title)) return true;
    const QString name = instanceServerName(title);
    auto server = std::make_unique<QLocalServer>();
    // No socket options: with them Qt moves a fresh socket over the name and
    // would take it from a live instance; plain binding refuses a name in use.
    if (!server->listen(name)) {
        if (server->serverError() != QAbstractSocket::AddressInUseError) return false;
        if (instanceRunning(title)) return false;  // someone holds it: leave it alone
        QLocalServer::removeServer(name);          // left behind by a crash
        if (!server->listen(name)) return false;
    }
    QLocalServer* raw = server.get();
    // Whoever connects only wants to know that we run: hang up at once.
    QObject::connect(raw, &QLocalServer::newConnection, raw, [raw] {
        while (QLocalSocket* peer = raw->nextPendingConnection()) {
            peer->abort();
            peer->deleteLater();
        }
    });
    servers_.emplace(title, std::move(server));
    return true;
}

}  // namespace desktop

#include "desktop/single_instance.h"

#include "desktop/private_folder.h"

#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace desktop {

QString instanceLockName(const QString& title) {
    const PrivateFolder folder = UsersPrivateFolder();
    if (folder.path.empty()) return {};
    // Letters and digits keep the name readable; the hash keeps titles that
    // differ only in punctuation apart.
    QString readable;
    for (QChar c : title.left(40)) readable += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar('_');
    const QByteArray hash =
        QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return QFile::decodeName(QByteArray::fromStdString(folder.path)) +
           QStringLiteral("suite-%1-%2.lock").arg(readable, QString::fromLatin1(hash));
}

InstanceClaims::~InstanceClaims() {
    // The lock files stay: removing one would let a later start lock a new
    // file while a waiting one still locks the old.
    for (const auto& [title, fd] : held_) ::close(fd);
}

bool InstanceClaims::claim(const QString& title) {
    if (held_.count(title)) return true;
    const QString name = instanceLockName(title);
    if (name.isEmpty()) return true;
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    // Never waits: a lock held elsewhere means that program runs.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    held_.emplace(title, fd);
    return true;
}

}  // namespace desktop

#include "desktop/single_instance.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <tuple>

namespace desktop {

QString instanceLockName(const std::string& folder, const QString& title) {
    // Letters and digits keep the name readable; the hash keeps titles that
    // differ only in punctuation apart.
    QString readable;
    for (QChar c : title.left(40)) readable += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar('_');
    const QByteArray hash =
        QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return QFile::decodeName(QByteArray::fromStdString(folder)) +
           QStringLiteral("suite-%1-%2.lock").arg(readable, QString::fromLatin1(hash));
}

InstanceClaims::InstanceClaims() : InstanceClaims(UsersPrivateFolderCandidates()) {}

InstanceClaims::InstanceClaims(PrivateFolderCandidates where) : where_(std::move(where)) {}

InstanceClaims::~InstanceClaims() {
    // The lock files stay: removing one would let a later start lock a new
    // file while a waiting one still locks the old.
    for (const auto& [title, fds] : held_) {
        for (int fd : fds) ::close(fd);
    }
}

bool InstanceClaims::claim(const QString& title) {
    if (held_.count(title)) return true;
    // Every start takes its locks in one order, the folders' own, whatever its
    // environment: of two starts, the one holding their first common lock
    // never fails on a later one, so exactly one of them wins.
    std::vector<UsableFolder> folders = UsablePrivateFolders(where_);
    std::sort(folders.begin(), folders.end(), [](const UsableFolder& a, const UsableFolder& b) {
        return std::tie(a.device, a.inode) < std::tie(b.device, b.inode);
    });
    std::vector<int> locked;
    for (const UsableFolder& folder : folders) {
        const QString name = instanceLockName(folder.path, title);
        const int fd = ::open(QFile::encodeName(name).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) continue;
        // Never waits: a lock held elsewhere means that program runs.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool heldElsewhere = errno == EWOULDBLOCK;
            ::close(fd);
            if (!heldElsewhere) continue;
            for (int taken : locked) ::close(taken);  // let go of those taken so far
            return false;
        }
        locked.push_back(fd);
    }
    held_.emplace(title, std::move(locked));
    return true;
}

}  // namespace desktop

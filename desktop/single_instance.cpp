#include "desktop/single_instance.h"

#include "desktop/lock_file.h"
#include "files/path_parts.h"

#include <QCryptographicHash>

#include <algorithm>
#include <unistd.h>

#include <tuple>

namespace desktop {

namespace {

// The part of a lock file's name that stands for the title. Letters and digits
// keep it readable; the hash keeps titles that differ only in punctuation or
// blanks apart.
std::string TitlePart(const QString& title) {
    QString readable;
    for (QChar c : title.left(40)) readable += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar('_');
    const QByteArray hash = QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return readable.toStdString() + '-' + hash.toStdString();
}

}  // namespace

std::string instanceLockName(const std::string& folder, const QString& title) {
    return folder + "suite-" + TitlePart(title) + ".lock";
}

std::string programFolderLockName(const std::string& programFolder, const QString& title) {
    return files::FileInFolder(programFolder, '.' + TitlePart(title) + '-' + std::to_string(::getuid()) + ".lock");
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

bool InstanceClaims::claim(const QString& title, const std::string& programFolder) {
    if (held_.count(title)) return true;
    // Every start takes its locks in one order, whatever its environment: the
    // program folder's, then the private folders' in the folders' own order. Of
    // two starts, the one holding their first common lock never fails on a
    // later one, so exactly one of them wins.
    std::vector<UsableFolder> folders = UsablePrivateFolders(where_);
    std::sort(folders.begin(), folders.end(), [](const UsableFolder& a, const UsableFolder& b) {
        return std::tie(a.device, a.inode) < std::tie(b.device, b.inode);
    });
    std::vector<std::string> lockFiles;
    if (!programFolder.empty()) lockFiles.push_back(programFolderLockName(programFolder, title));
    for (const UsableFolder& folder : folders) lockFiles.push_back(instanceLockName(folder.path, title));

    std::vector<int> locked;
    for (const std::string& name : lockFiles) {
        // Never waits: a lock held elsewhere means that program runs.
        const LockAttempt attempt = TakeLockFile(name);
        if (attempt.outcome == LockOutcome::Taken) locked.push_back(attempt.fd);
        if (attempt.outcome == LockOutcome::HeldElsewhere) {
            for (int taken : locked) ::close(taken);  // let go of those taken so far
            return false;
        }
    }
    held_.emplace(title, std::move(locked));
    return true;
}

}  // namespace desktop

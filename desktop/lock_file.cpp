#include "desktop/lock_file.h"

#include "files/leftover_name.h"
#include "files/link_rule.h"
#include "files/path_parts.h"
#include "files/save_leftovers.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desktop {
namespace {

// Enough for every start of a crowd racing over one planted entry; a name that
// still changes under every look after that is somebody's game, and passed over.
constexpr int kLooks = 8;

constexpr std::string_view kFreshEnd = ".new";

// The fresh lock file a start makes beside the lock file before swapping it
// in: "<lock file>.<pid>.<n>.new".
std::string FreshLockFileName(const std::string& path) {
    static std::atomic<unsigned> made{0};
    return path + "." + std::to_string(::getpid()) + "." + std::to_string(++made) + std::string(kFreshEnd);
}

// A start killed while swapping leaves its fresh lock file behind for good:
// those of the user's whose start no longer runs go at the next take.
void RemoveKilledStartsLeftovers(const std::string& path) {
    const auto [folder, lockName] = files::SplitPath(path);
    const int folderFd = ::open(folder.empty() ? "." : folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) return;
    files::RemoveDeadLeftovers(folderFd, [&](std::string_view entry) -> std::optional<pid_t> {
        std::string_view rest;
        const std::optional<pid_t> pid = files::ProcessNamedIn(entry, lockName, rest);
        return pid && rest == kFreshEnd ? pid : std::nullopt;
    });
    ::close(folderFd);
}

// Whether the name leads to the file open at fd.
bool NameLeadsTo(const std::string& path, int fd) {
    struct stat named {};
    struct stat held {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &held) == 0 && named.st_dev == held.st_dev &&
           named.st_ino == held.st_ino;
}

// Locks fd, the user's lock file as found at path; closes it unless taken. A
// lock on a file another start has swapped out from under the name guards
// nothing: nothing is decided then, and the caller looks again.
std::optional<LockAttempt> LockIfStillNamed(const std::string& path, int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return LockAttempt{held ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable, -1};
    }
    if (NameLeadsTo(path, fd)) return LockAttempt{LockOutcome::Taken, fd};
    ::close(fd);
    return std::nullopt;
}

// Puts a fresh lock file of the user's, locked before anyone can see it, at
// path in place of what stands there, in one exchange of the two names. Should
// the entry taken out turn out to be a lock file of the user's after all
// (another start made it since this one looked), it goes back at once, and the
// caller looks again: a running program's lock file is never swapped away.
std::optional<LockAttempt> SwapInFreshLockFile(const std::string& path) {
    const std::string fresh = FreshLockFileName(path);
    const int fd = ::open(fresh.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return LockAttempt{};  // the folder cannot take a lock file
    ::flock(fd, LOCK_EX | LOCK_NB);    // nobody else knows this file yet
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) != 0) {
        const bool vanished = errno == ENOENT;  // the entry went away since the look
        ::unlink(fresh.c_str());
        ::close(fd);
        if (vanished) return std::nullopt;
        return LockAttempt{};  // not ours to replace (a sticky folder), or no exchange on this file system
    }
    struct stat taken {};
    if (::lstat(fresh.c_str(), &taken) == 0 && files::IsUsersOwnRegularFile(taken)) {
        ::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE);
        if (NameLeadsTo(fresh, fd)) ::unlink(fresh.c_str());
        ::close(fd);
        return std::nullopt;
    }
    // The planted entry goes; removing a link never touches what it leads to.
    if (::unlink(fresh.c_str()) != 0) ::rmdir(fresh.c_str());
    if (NameLeadsTo(path, fd)) return LockAttempt{LockOutcome::Taken, fd};
    ::close(fd);
    return std::nullopt;
}

}  // namespace

LockAttempt TakeLockFile(const std::string& path) {
    RemoveKilledStartsLeftovers(path);
    for (int look = 0; look < kLooks; ++look) {
        // One look at the name decides: the open never follows a link and never
        // waits on a FIFO, and only a regular file of the user's is kept.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EISDIR) return {};
        struct stat st {};
        if (fd >= 0 && ::fstat(fd, &st) == 0 && files::IsUsersOwnRegularFile(st)) {
            // A lock file others may open is one they may lock: close it to them.
            if ((st.st_mode & 07777) != 0600) ::fchmod(fd, 0600);
            if (std::optional<LockAttempt> decided = LockIfStillNamed(path, fd)) return *decided;
            continue;
        }
        if (fd >= 0) ::close(fd);
        if (std::optional<LockAttempt> decided = SwapInFreshLockFile(path)) return *decided;
    }
    return {};
}

}  // namespace desktop

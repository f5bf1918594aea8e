#include "files/save_leftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "files/link_rule.h"
#include "files/save_temp_name.h"

namespace files {
namespace {

// A folder others can fill is looked through only so far, so that a save
// never crawls through an endless listing.
constexpr int EntryLimit = 1 << 16;

// kill() sees only this machine's processes: in a folder shared over the network
// or between containers, a save still running elsewhere looks dead. A save writes
// its temporary file within moments, so one left untouched this long (room for
// clocks some minutes apart) is no live save's.
constexpr std::time_t LeftoverAgeSeconds = 10 * 60;

bool ProcessEnded(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

bool LongUntouched(const struct stat& st) {
    timespec now{};
    return ::clock_gettime(CLOCK_REALTIME, &now) == 0 && now.tv_sec - st.st_mtim.tv_sec > LeftoverAgeSeconds;
}

}  // namespace

void RemoveDeadLeftovers(int folderFd, const LeftoverOwner& owner) {
    const int listFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) return;
    DIR* listing = ::fdopendir(listFd);
    if (listing == nullptr) {
        ::close(listFd);
        return;
    }
    int seen = 0;
    while (const dirent* entry = ::readdir(listing)) {
        if (++seen > EntryLimit) break;
        const auto pid = owner(entry->d_name);
        if (!pid) continue;
        struct stat st {};
        if (::fstatat(folderFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!IsUsersOwnRegularFile(st) || !LongUntouched(st) || !ProcessEnded(*pid)) continue;
        ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(listing);
}

void RemoveSaveLeftovers(int folderFd, const std::string& targetName) {
    RemoveDeadLeftovers(folderFd, [&](std::string_view entry) { return SaveTempNameOwner(entry, targetName); });
}

}  // namespace files

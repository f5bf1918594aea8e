#include "engine/save_leftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/save_temp_name.h"

namespace engine {
namespace {

// A folder others can fill is looked through only so far, so that a save
// never crawls through an endless listing.
constexpr int EntryLimit = 1 << 16;

bool ProcessEnded(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

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
    struct stat st{};
    if (::fstatat(folderFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(st.st_mode) || st.st_uid != ::getuid() || !ProcessEnded(*pid)) continue;
    ::unlinkat(folderFd, entry->d_name, 0);
  }
  ::closedir(listing);
}

void RemoveSaveLeftovers(int folderFd, const std::string& targetName) {
  RemoveDeadLeftovers(folderFd, [&](std::string_view entry) { return SaveTempNameOwner(entry, targetName); });
}

}  // namespace engine

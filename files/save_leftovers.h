#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// The process that made entry, when entry is a leftover of the kind looked for.
using LeftoverOwner = std::function<std::optional<pid_t>(std::string_view entry)>;

// Removes from the folder (an O_PATH or open handle) what killed processes left
// behind: entries that owner names a process for, regular files of this user,
// untouched for ten minutes, whose process no longer runs. Anything else is left
// as it is: another user's file, a link, a folder or FIFO, a name that only
// looks alike, a process still running here or, for all this machine can tell,
// elsewhere.
void RemoveDeadLeftovers(int folderFd, const LeftoverOwner& owner);

// Removes what saves of targetName that were killed before their rename left in
// the folder (an O_PATH or open handle): temporary files of the writer's own
// name pattern for that target, regular files of this user, untouched for ten
// minutes, whose process no longer runs. Anything else is left as it is:
// another user's file, a link, a folder or FIFO, a name that only looks alike,
// a save still running here or, for all this machine can tell, elsewhere.
void RemoveSaveLeftovers(int folderFd, const std::string& targetName);

}  // namespace files

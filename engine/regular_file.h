#pragma once

#include <fcntl.h>

#include <cstddef>
#include <string>

namespace engine {

// Opens path (a link is followed) only when it is a regular file, without ever
// waiting on a FIFO or touching a device: returns the descriptor in blocking mode,
// or -1 with errno set (EINVAL for anything but a regular file). flags are
// open()'s, e.g. O_RDONLY or O_WRONLY | O_APPEND | O_CREAT; new files get mode 0666
// less the umask.
int OpenRegularFile(const std::string& path, int flags);

// True when path is a symbolic link that another user made: in a folder others
// can write into, such a link leads wherever they chose, so it is never written
// through, only replaced itself. The user's own links are followed.
bool IsPlantedLink(const std::string& path);

// Writes all of data to fd, going on after interruptions; false with err set otherwise.
bool WriteAllBytes(int fd, const char* data, std::size_t size, int& err);

// Appends bytes to path as a regular file, made when missing (whole files are
// saved by atomic_file instead). A FIFO, device or anything else that is no
// regular file is refused. The user's own link is followed; a planted link is
// removed and a new file made in its place.
bool AppendToRegularFile(const std::string& path, const std::string& bytes);

// The reason text for a target that is no regular file.
inline constexpr const char* NotARegularFile = "Not a regular file";

}  // namespace engine

#include "announcer/core/recording_file.h"

#include "files/regular_file.h"

#include <cerrno>
#include <unistd.h>

namespace announcer {

bool PlayerMayOpen(const std::string& path) {
    const int fd = files::OpenRegularFile(path, O_RDONLY);
    if (fd < 0) return errno == ENOENT;
    ::close(fd);
    return true;
}

}  // namespace announcer

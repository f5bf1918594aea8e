#include "announcer/core/recording_file.h"

#include "engine/regular_file.h"

#include <cerrno>
#include <unistd.h>

namespace announcer {

bool PlayerMayOpen(const std::string& path) {
    const int fd = engine::OpenRegularFile(path, O_RDONLY);
    if (fd < 0) return errno == ENOENT;
    ::close(fd);
    return true;
}

}  // namespace announcer

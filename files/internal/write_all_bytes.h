// The file layer's own step for its writers: the programs save through
// SaveTextFile and append through AppendToExistingFile, never by this.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace files::internal {

// Writes all of data to fd, going on after interruptions; false with err set otherwise.
inline bool WriteAllBytes(int fd, const char* data, std::size_t size, int& err) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace files::internal

#include "files/file_bytes.h"

#include "files/regular_file.h"

#include <cerrno>
#include <unistd.h>

namespace files {

FileBytes ReadFileBytes(const std::string& path, std::size_t limit) {
    FileBytes result;
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0) return result;
    // One byte past the limit tells a long file from one that just fits.
    std::string bytes;
    char buf[65536];
    bool failed = false;
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed = true;
        if (n <= 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (failed) return result;
    if (bytes.size() > limit) {
        result.status = FileRead::TooLong;
        return result;
    }
    result.status = FileRead::Read;
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace files

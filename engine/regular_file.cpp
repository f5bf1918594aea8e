#include "engine/regular_file.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace engine {

int OpenRegularFile(const std::string& path, int flags) {
  // A device is never opened at all; the check after opening covers a swap in between.
  struct stat st{};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    errno = EINVAL;
    return -1;
  }
  // Truncation waits until the opened file is known to be regular.
  const bool truncate = (flags & O_TRUNC) != 0;
  const int fd = ::open(path.c_str(), (flags & ~O_TRUNC) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  if ((truncate && ::ftruncate(fd, 0) != 0) || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    const int err = errno;
    ::close(fd);
    errno = err;
    return -1;
  }
  return fd;
}

bool WriteAllBytes(int fd, const char* data, std::size_t size, int& err) {
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

bool WriteRegularFile(const std::string& path, const std::string& bytes, bool append) {
  const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC));
  if (fd < 0) return false;
  int err = 0;
  const bool written = WriteAllBytes(fd, bytes.data(), bytes.size(), err);
  return ::close(fd) == 0 && written;
}

}  // namespace engine

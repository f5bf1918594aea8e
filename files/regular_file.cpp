#include "files/regular_file.h"

#include "files/internal/write_all_bytes.h"
#include "files/link_rule.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

int OpenRegularFile(const std::string& path, int flags) {
    // Cutting or making would act before the file is known to be a regular one,
    // and through whatever link stands at the name: whole files are saved by
    // SaveTextFile instead.
    if ((flags & (O_TRUNC | O_CREAT)) != 0) {
        errno = EINVAL;
        return -1;
    }
    // A device is never opened at all; the check after opening covers a swap in between.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    return fd;
}

bool IsReadableRegularFileOrNothing(const std::string& path) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0) return errno == ENOENT;
    ::close(fd);
    return true;
}

namespace {

// Through the user's own link, kept only once the link is known to be still
// the user's and to lead to the file opened.
int OpenThroughOwnLink(const std::string& path, int flags) {
    const int fd = OpenRegularFile(path, flags);
    if (fd < 0) return -1;
    struct stat link {};
    struct stat named {};
    struct stat opened {};
    const bool same = ::lstat(path.c_str(), &link) == 0 && IsUsersOwnLink(link) && ::stat(path.c_str(), &named) == 0 &&
                      ::fstat(fd, &opened) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
    if (!same) {
        ::close(fd);
        errno = EAGAIN;
        return -1;
    }
    return fd;
}

// The regular file at path, opened to append to and never made; a link is
// followed only when it is the user's own.
int OpenExistingToAppend(const std::string& path) {
    constexpr int flags = O_WRONLY | O_APPEND;
    const int fd = OpenRegularFile(path, flags | O_NOFOLLOW);
    if (fd >= 0 || errno != ELOOP) return fd;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && IsUsersOwnLink(st)) return OpenThroughOwnLink(path, flags);
    errno = ELOOP;
    return -1;
}

}  // namespace

SaveResult AppendToExistingFile(const std::string& path, const std::string& bytes,
                                const std::function<bool(std::uintmax_t size)>& sizeFits) {
    const SaveFailure nothingAppended{SaveFailure::Kind::NoFileToAppend, {}};
    const int fd = OpenExistingToAppend(path);
    if (fd < 0) return nothingAppended;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !sizeFits(static_cast<std::uintmax_t>(st.st_size))) {
        ::close(fd);
        return nothingAppended;
    }
    int err = 0;
    const bool written = internal::WriteAllBytes(fd, bytes.data(), bytes.size(), err);
    if (::close(fd) != 0 && written) err = errno;
    if (err == 0) return std::nullopt;
    return SaveFailure{SaveFailure::Kind::StoppedPartWay, std::strerror(err)};
}

}  // namespace files

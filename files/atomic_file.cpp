#include "files/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "files/internal/write_all_bytes.h"
#include "files/link_rule.h"
#include "files/path_parts.h"
#include "files/private_folder_rule.h"
#include "files/regular_file.h"
#include "files/save_leftovers.h"
#include "files/save_temp_name.h"

namespace files {
namespace {

constexpr std::size_t kFlushAt = 1 << 16;
// As many links in a row as the system itself follows.
constexpr int kLinkHops = 40;

std::string Reason(int err) { return std::strerror(err); }

SaveFailure Refused(int err) { return {SaveFailure::Kind::Refused, Reason(err)}; }

// The rename would replace a read-only file as easily as any other, so the
// system is asked whether the user may write the file the look found (access
// lists and capabilities included): 0 when so, else its reason. Root passes that
// for every file, so a file with no write bit at all, one the user made
// read-only, stays too.
int RefusalToReplace(int folderFd, const std::string& name, const struct stat& st) {
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
    int answer = ::faccessat(folderFd, name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW);
    // A system that cannot test the entry itself tests the same name.
    if (answer != 0 && errno == EINVAL) answer = ::faccessat(folderFd, name.c_str(), W_OK, AT_EACCESS);
    return answer == 0 ? 0 : errno;
}

// The one look at a name: a handle on whatever stands there, a link itself
// included, so that what is decided from it is read from that very entry.
struct Look {
    int fd = -1;
    int err = 0;
    struct stat st {};
    ~Look() {
        if (fd >= 0) ::close(fd);
    }
};

void LookAt(int folderFd, const std::string& name, Look& look) {
    look.fd = ::openat(folderFd, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (look.fd < 0 || ::fstat(look.fd, &look.st) != 0) look.err = errno;
}

// The text of the link the look holds.
bool LinkText(const Look& look, std::string& text, int& err) {
    char buf[PATH_MAX];
    const ssize_t n = ::readlinkat(look.fd, "", buf, sizeof buf);
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof buf) {
        err = n < 0 ? errno : ENAMETOOLONG;
        return false;
    }
    text.assign(buf, static_cast<std::size_t>(n));
    return true;
}

// Holds folder (relative to at; "" is at itself) as the save's folder. For a
// folder that must be the user's alone, its last component is looked at
// without following a link; only the user's own link is followed, from where
// it stands, and the folder finally held must pass the rule. -1 with err set
// when there is none to hold; refusal then says why the rule refused it.
int HoldFolder(int at, std::string folder, FolderRule rule, int& err, std::string& refusal) {
    if (folder.empty()) folder = ".";
    if (rule == FolderRule::Any) {
        const int fd = ::openat(at, folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) err = errno;
        return fd;
    }
    int linkFolder = -1;  // where the last link followed stands, which its text is relative to
    int held = -1;
    for (int hops = 0; held < 0 && err == 0; ++hops) {
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();  // a trailing "/" would follow a link
        auto [parent, name] = SplitPath(folder);
        if (name.empty()) name = ".";  // the root itself
        const int parentFd = ::openat(at, parent.empty() ? "." : parent.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (parentFd < 0) {
            err = errno;
            break;
        }
        Look look;
        LookAt(parentFd, name, look);
        if (look.err != 0) {
            err = look.err;
        } else if (IsUsersOwnLink(look.st) && hops < kLinkHops) {
            if (LinkText(look, folder, err)) {
                if (linkFolder >= 0) ::close(linkFolder);
                at = linkFolder = parentFd;
                continue;
            }
        } else {
            refusal = WhyNotPrivateFolder(look.st, ::getuid());
            if (refusal.empty())
                std::swap(held, look.fd);
            else
                err = EACCES;
        }
        ::close(parentFd);
    }
    if (linkFolder >= 0) ::close(linkFolder);
    return held;
}

// Moves folderFd to the folder part of path (relative to it), leaving the name.
bool EnterFolder(int& folderFd, const std::string& folder, FolderRule rule, int& err, std::string& refusal) {
    if (folder.empty() && rule == FolderRule::Any) return true;
    const int next = HoldFolder(folderFd, folder, rule, err, refusal);
    if (next < 0) return false;
    ::close(folderFd);
    folderFd = next;
    return true;
}

}  // namespace

AtomicTextFile::~AtomicTextFile() { abort(); }

SaveResult AtomicTextFile::open(const std::string& path, LinkAtPath links, FolderRule folders) {
    abort();
    failedErrno_ = 0;
    buffer_.clear();
    if (path.empty()) return Refused(ENOENT);
    auto [folder, name] = SplitPath(path);  // name: the one to look at next
    int err = 0;
    std::string refusal;  // why the folder rule refused a folder
    folderFd_ = HoldFolder(AT_FDCWD, folder, folders, err, refusal);
    bool exists = false;
    struct stat existing {};
    for (int hops = 0; err == 0; ++hops) {
        if (name.empty() || name == "." || name == "..") {
            err = EISDIR;
            break;
        }
        Look look;
        LookAt(folderFd_, name, look);
        if (look.err == ENOENT) break;
        if (look.err != 0) {
            err = look.err;
            break;
        }
        if (S_ISLNK(look.st.st_mode)) {
            // Another user's link, or one to be replaced: the rename replaces it.
            if (links != LinkAtPath::Follow || !IsUsersOwnLink(look.st)) break;
            std::string text;
            if (hops == kLinkHops) err = ELOOP;
            if (err == 0 && LinkText(look, text, err)) {
                auto [linkFolder, linkName] = SplitPath(text);
                name = std::move(linkName);
                EnterFolder(folderFd_, linkFolder, folders, err, refusal);
            }
            continue;
        }
        if (S_ISDIR(look.st.st_mode)) {
            err = EISDIR;
        } else if (!S_ISREG(look.st.st_mode)) {
            closeFolder();
            return SaveFailure{SaveFailure::Kind::Refused, NotARegularFile};
        } else {
            err = RefusalToReplace(folderFd_, name, look.st);
        }
        exists = true;
        existing = look.st;
        break;
    }
    if (err != 0) {
        closeFolder();
        if (!refusal.empty()) return SaveFailure{SaveFailure::Kind::FolderRefused, refusal};
        return Refused(err);
    }
    name_ = name;
    RemoveSaveLeftovers(folderFd_, name_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName_ = SaveTempName(name_);
        fd_ = ::openat(folderFd_, tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) {
        const int openErr = errno;
        tempName_.clear();
        closeFolder();
        return Refused(openErr);
    }
    // The replacement keeps the permissions the user gave the old file.
    if (exists) (void)::fchmod(fd_, existing.st_mode & 07777);
    return std::nullopt;
}

void AtomicTextFile::closeFolder() {
    if (folderFd_ >= 0) ::close(folderFd_);
    folderFd_ = -1;
}

bool AtomicTextFile::flushBuffer() {
    if (failedErrno_ != 0) return false;
    if (!internal::WriteAllBytes(fd_, buffer_.data(), buffer_.size(), failedErrno_)) return false;
    buffer_.clear();
    return true;
}

bool AtomicTextFile::writeLine(std::string_view line) {
    if (fd_ < 0 || failedErrno_ != 0) return false;
    buffer_.append(line);
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushAt) return flushBuffer();
    return true;
}

SaveResult AtomicTextFile::commit() {
    if (fd_ < 0) return Refused(EBADF);
    bool ok = flushBuffer();
    if (ok && ::fsync(fd_) != 0) {
        failedErrno_ = errno;
        ok = false;
    }
    if (::close(fd_) != 0 && ok) {
        failedErrno_ = errno;
        ok = false;
    }
    fd_ = -1;
    if (ok && ::renameat(folderFd_, tempName_.c_str(), folderFd_, name_.c_str()) != 0) {
        failedErrno_ = errno;
        ok = false;
    }
    if (ok) tempName_.clear();
    abort();  // removes the temporary file when it was not renamed
    if (!ok) return Refused(failedErrno_);
    return std::nullopt;
}

void AtomicTextFile::abort() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempName_.empty()) {
        ::unlinkat(folderFd_, tempName_.c_str(), 0);
        tempName_.clear();
    }
    closeFolder();
    buffer_.clear();
}

std::string AtomicTextFile::writeFailure() const { return failedErrno_ != 0 ? Reason(failedErrno_) : std::string(); }

SaveResult SaveTextFile(const std::string& path, const ContentWriter& write, LinkAtPath links, FolderRule folders) {
    AtomicTextFile file;
    if (SaveResult refused = file.open(path, links, folders)) return refused;
    if (!write(file)) {
        file.abort();
        return SaveFailure{SaveFailure::Kind::StoppedPartWay, file.writeFailure()};
    }
    return file.commit();
}

SaveResult SaveTextFile(const std::string& path, const std::vector<std::string>& lines, LinkAtPath links,
                        FolderRule folders) {
    const auto writeLines = [&](engine::LineSink& file) {
        for (const std::string& line : lines)
            if (!file.writeLine(line)) return false;
        return true;
    };
    return SaveTextFile(path, writeLines, links, folders);
}

}  // namespace files

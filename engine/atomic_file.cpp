#include "engine/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <random>

#include "engine/regular_file.h"
#include "engine/text_routines.h"

namespace engine {
namespace {

constexpr std::size_t kFlushAt = 1 << 16;

std::string Reason(int err) { return std::strerror(err); }

// A symbolic link is followed, so that the file it names is the one replaced.
std::string ResolveTarget(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_symlink(path, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(path, ec);
    if (!ec) return resolved.string();
  }
  return path;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return path.substr(0, slash + 1);
}

std::string UniqueSuffix() {
  static std::atomic<unsigned> counter{0};
  static std::mt19937 random{std::random_device{}()};
  char buf[48];
  std::snprintf(buf, sizeof buf, ".%ld.%u.%08x.tmp", static_cast<long>(::getpid()), counter++,
                static_cast<unsigned>(random()));
  return buf;
}

}  // namespace

AtomicTextFile::~AtomicTextFile() { abort(); }

bool AtomicTextFile::open(const std::string& path, std::string& error, LinkAtPath links) {
  abort();
  error.clear();
  failedErrno_ = 0;
  buffer_.clear();
  if (path.empty()) {
    error = Reason(ENOENT);
    return false;
  }
  // Only the user's own link is followed; another user's is replaced itself.
  const bool follow = links == LinkAtPath::Follow && !IsPlantedLink(path);
  target_ = follow ? ResolveTarget(path) : path;
  struct stat existing{};
  const bool exists = (follow ? ::stat(target_.c_str(), &existing) : ::lstat(target_.c_str(), &existing)) == 0;
  if (exists && S_ISDIR(existing.st_mode)) {
    error = Reason(EISDIR);
    return false;
  }
  // A link left standing is replaced by the rename, its target untouched.
  const bool linkReplaced = exists && S_ISLNK(existing.st_mode);
  if (exists && !linkReplaced && !S_ISREG(existing.st_mode)) {
    error = NotARegularFile;
    return false;
  }
  // The rename would replace a read-only file as easily as any other; a file the
  // user protected stays as it is (root passes access(), so the mode bits count too).
  if (exists && !linkReplaced && ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target_.c_str(), W_OK) != 0)) {
    error = Reason(EACCES);
    return false;
  }
  const std::string folder = FolderOf(target_);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath_ = folder + "." + FileNamePart(target_, '/') + UniqueSuffix();
    fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0 || errno != EEXIST) break;
  }
  if (fd_ < 0) {
    error = Reason(errno);
    tempPath_.clear();
    return false;
  }
  // The replacement keeps the permissions the user gave the old file.
  if (exists && !linkReplaced) (void)::fchmod(fd_, existing.st_mode & 07777);
  return true;
}

bool AtomicTextFile::flushBuffer() {
  if (failedErrno_ != 0) return false;
  if (!WriteAllBytes(fd_, buffer_.data(), buffer_.size(), failedErrno_)) return false;
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

bool AtomicTextFile::commit(std::string& error) {
  error.clear();
  if (fd_ < 0) {
    error = Reason(EBADF);
    return false;
  }
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
  if (ok && std::rename(tempPath_.c_str(), target_.c_str()) != 0) {
    failedErrno_ = errno;
    ok = false;
  }
  if (!ok) {
    error = Reason(failedErrno_);
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
    return false;
  }
  tempPath_.clear();
  return true;
}

void AtomicTextFile::abort() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!tempPath_.empty()) {
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
  }
  buffer_.clear();
}

bool WriteTextFileAtomically(const std::string& path, const std::vector<std::string>& lines, std::string& error,
                             LinkAtPath links) {
  AtomicTextFile file;
  if (!file.open(path, error, links)) return false;
  for (const std::string& line : lines) {
    if (!file.writeLine(line)) break;  // commit reports why
  }
  return file.commit(error);
}

}  // namespace engine

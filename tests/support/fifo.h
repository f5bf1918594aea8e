// FIFOs for tests of hostile files, with the other end arranged so that a program
// that wrongly waits on one gets through (and the test fails instead of hanging).
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

namespace testing_support {

// A FIFO with a writer that connects every time anybody opens it for reading,
// then hangs up: a reader that waits gets an empty file, however often it opens
// the name (a media player may open it more than once).
class FifoWithWriter {
public:
    explicit FifoWithWriter(std::string path) : path_(std::move(path)) {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        if (made_)
            writer_ = std::thread([this] {
                while (!done_) {
                    const int fd = ::open(path_.c_str(), O_WRONLY);
                    if (fd >= 0) ::close(fd);
                }
            });
    }
    ~FifoWithWriter() {
        if (!made_) return;
        done_ = true;
        // Releases the writer waiting for its next reader.
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
        writer_.join();
        if (fd >= 0) ::close(fd);
    }
    FifoWithWriter(const FifoWithWriter&) = delete;
    FifoWithWriter& operator=(const FifoWithWriter&) = delete;
    bool made() const { return made_; }

private:
    std::string path_;
    bool made_ = false;
    std::atomic<bool> done_{false};
    std::thread writer_;
};

// A FIFO that a reader holds open, so a writer that wrongly writes into it
// gets through while the pipe has room.
class FifoWithReader {
public:
    explicit FifoWithReader(std::string path) : path_(std::move(path)) {
        if (::mkfifo(path_.c_str(), 0600) == 0) fd_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    }
    ~FifoWithReader() {
        if (fd_ >= 0) ::close(fd_);
    }
    FifoWithReader(const FifoWithReader&) = delete;
    FifoWithReader& operator=(const FifoWithReader&) = delete;
    bool made() const { return fd_ >= 0; }
    // Whether the FIFO is still a FIFO.
    bool stillThere() const {
        struct stat st {};
        return ::lstat(path_.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace testing_support

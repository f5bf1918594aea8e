#pragma once

#include <cstddef>
#include <string>

namespace files {

enum class FileRead {
    Read,        // the whole file is in bytes
    CannotOpen,  // missing, unreadable, or no regular file (a FIFO, device, socket or folder)
    TooLong,     // longer than the limit; the rest was never read
};

struct FileBytes {
    FileRead status = FileRead::CannotOpen;
    std::string bytes;
};

// The whole content of a regular file (a link to one is followed), byte for byte,
// when it holds at most limit bytes. Never waits: a FIFO or device is refused
// without reading from it.
FileBytes ReadFileBytes(const std::string& path, std::size_t limit);

}  // namespace files

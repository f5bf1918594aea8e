#pragma once

#include <fcntl.h>

#include <cstdint>
#include <functional>
#include <string>

#include "files/save_failure.h"

namespace files {

// Opens path (a link is followed) only when it is a regular file, without ever
// waiting on a FIFO or touching a device: returns the descriptor in blocking mode,
// or -1 with errno set (EINVAL for anything but a regular file). flags are
// open()'s, e.g. O_RDONLY or O_WRONLY | O_APPEND; O_TRUNC and O_CREAT are refused
// (EINVAL): nothing is cut or made here.
int OpenRegularFile(const std::string& path, int flags);

// True when a regular file (a link is followed) opens for reading at path, or
// when nothing stands there at all; false for a FIFO, device or folder, or a
// file that will not open. Found out without ever waiting: a FIFO is never
// opened in a way that waits for somebody to write into it.
bool IsReadableRegularFileOrNothing(const std::string& path);

// Appends bytes to the regular file at path, deciding from one look: the file
// is opened and its size read from the open file, so a file removed or swapped
// meanwhile is never taken for the one measured. NoFileToAppend, with nothing
// written or made, when sizeFits(size) is false, when nothing stands at path (a
// new file is saved whole by SaveTextFile instead), or when it is a FIFO, a
// device, a link another user planted or anything else but a regular file or
// the user's own link to one; StoppedPartWay when the write failed.
SaveResult AppendToExistingFile(const std::string& path, const std::string& bytes,
                                const std::function<bool(std::uintmax_t size)>& sizeFits);

// The reason text for a target that is no regular file.
inline constexpr const char* NotARegularFile = "Not a regular file";

}  // namespace files

// What stands at a name, from one look: for a caller that chooses its question
// or refusal before a save, which decides again from its own look.
#pragma once

#include <string>

namespace files {

enum class Standing {
    Nothing,      // nothing there, or the look could not reach it: the save says why
    RegularFile,  // a regular file
    Folder,       // a folder
    Other,        // a FIFO, a device, a socket
};

// One stat() of path. A link is followed, as a save follows one, so a link
// reports what it leads to, and a link leading nowhere reports Nothing.
Standing LookAtName(const std::string& path);

}  // namespace files

// What stands at a name, from one look: for a caller that chooses its question
// or refusal before a save, which decides again from its own look.
#pragma once

#include <string>

namespace files {

enum class Standing {
    Nothing,      // nothing there, or the look could not reach it (error says which)
    RegularFile,  // a regular file
    Folder,       // a folder
    Other,        // a FIFO, a device, a socket
};

struct NameLook {
    Standing what = Standing::Nothing;
    int error = 0;  // for Nothing, the look's errno (ENOENT when no entry has the name); else 0
};

// One stat() of path. A link is followed, as a save follows one, so a link
// reports what it leads to, and a link leading nowhere reports Nothing.
NameLook LookAtName(const std::string& path);

}  // namespace files

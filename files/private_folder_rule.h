// When a folder is the user's alone: nobody else can plant files or links in it.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

namespace files {

// Empty when st (from a look that follows no link) is a real folder belonging
// to user that no one else can write into; else why not, as the end of a
// sentence: "it is a link", "it is no folder", "it belongs to another user",
// "others can write into it".
std::string WhyNotPrivateFolder(const struct stat& st, uid_t user);

}  // namespace files

// Whose a symbolic link is decides what it means. The user's own link is
// followed. Another user's, in a folder others can write into, leads wherever
// they chose: it is never written through, only replaced itself. Likewise only
// a regular file of the user's own is ever taken as the user's (to lock, or to
// remove as left behind).
#pragma once

#include <sys/stat.h>

#include <string>

namespace files {

// st is from a look that follows no link (lstat, or fstat on an O_PATH handle).
bool IsUsersOwnLink(const struct stat& st);
bool IsAnotherUsersLink(const struct stat& st);

// st is from a look that follows no link, or from fstat on an open file.
bool IsUsersOwnRegularFile(const struct stat& st);

// Another user's link standing at path, from a look that follows no link.
bool IsPlantedLink(const std::string& path);

}  // namespace files

// Whose a symbolic link is decides what it means. The user's own link is
// followed. Another user's, in a folder others can write into, leads wherever
// they chose: it is never written through, only replaced itself.
#pragma once

#include <sys/stat.h>

namespace files {

// st is from a look that follows no link (lstat, or fstat on an O_PATH handle).
bool IsUsersOwnLink(const struct stat& st);
bool IsAnotherUsersLink(const struct stat& st);

}  // namespace files

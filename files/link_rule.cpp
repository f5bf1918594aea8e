#include "files/link_rule.h"

#include <unistd.h>

namespace files {

bool IsUsersOwnLink(const struct stat& st) { return S_ISLNK(st.st_mode) && st.st_uid == ::getuid(); }

bool IsAnotherUsersLink(const struct stat& st) { return S_ISLNK(st.st_mode) && !IsUsersOwnLink(st); }

}  // namespace files

// A symbolic link as another user on the machine would plant it: made here,
// then handed to that user (changing a link's owner needs root, as the tests run).
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <string>

namespace test_support {

inline constexpr uid_t AnotherUser = 65534;

inline bool PlantLink(const std::string& target, const std::string& link) {
    return ::symlink(target.c_str(), link.c_str()) == 0 && ::lchown(link.c_str(), AnotherUser, AnotherUser) == 0;
}

}  // namespace test_support

// Work done as another ordinary user of the machine: in a child process that
// gives up root for that user's uid and gid (and no other groups), so that the
// system's own permission checks apply to it. Needs root, as the tests run.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "tests/support/planted_link.h"

namespace test_support {

// work's result (0..124) as the child's exit code; 125 when the child could
// not become the other user, -1 when it did not end by itself.
inline int ExitCodeAsAnotherUser(const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        const gid_t groups[] = {AnotherUser};
        if (::setgroups(1, groups) != 0 || ::setresgid(AnotherUser, AnotherUser, AnotherUser) != 0 ||
            ::setresuid(AnotherUser, AnotherUser, AnotherUser) != 0)
            ::_exit(125);
        ::_exit(work());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace test_support

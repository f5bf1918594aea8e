// An exclusive lock on a lock file of the user's own, taken without waiting.
// The lock file is a regular file of the user's with mode 0600, so no other
// user can open it, let alone lock it. The name is opened without following a
// link and without blocking; whatever else stands there (another user's link,
// file or FIFO) is swapped out for a fresh lock file of the user's, never
// opened or written through.
#pragma once

#include <string>

namespace desktop {

enum class LockOutcome {
    Taken,          // the descriptor holds the lock until it is closed
    HeldElsewhere,  // a running program holds it
    Unavailable,    // no lock file can be had there (a read-only or missing folder, a folder at the name)
};

struct LockAttempt {
    LockOutcome outcome = LockOutcome::Unavailable;
    int fd = -1;  // the locked descriptor when Taken
};

// Locks the file at path, making it when missing. Of several programs locking
// one path at once, exactly one takes it, even while they replace what another
// user planted there. What starts killed while swapping a fresh lock file in
// left beside it goes on the way (the user's own files, their start ended).
LockAttempt TakeLockFile(const std::string& path);

}  // namespace desktop

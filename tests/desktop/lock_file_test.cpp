// What a start killed while swapping a fresh lock file in leaves beside the
// lock file, and what the next take clears away (and what it never touches).
#include "desktop/lock_file.h"
#include "tests/support/leftover_cases.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string LockName = ".Kelvora___v3_2-b77cd1a4b6-1000.lock";

// The fresh lock file of a start that was killed before its swap: made by a
// process that has ended since. Returns its name.
std::string KilledStartsLeftover(const test_support::TempFolder& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string fresh = folder.file(LockName) + "." + std::to_string(::getpid()) + ".1.new";
        const int fd = ::open(fresh.c_str(), O_RDONLY | O_CREAT | O_EXCL, 0600);
        ::_exit(fd >= 0 ? 0 : 1);  // killed: nothing is cleaned up
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return LockName + "." + std::to_string(child) + ".1.new";
}

TEST(LockFileLeftovers, TheNextTakeRemovesOnlyKilledStartsFreshLockFiles) {
    using test_support::Renamed;
    const std::string own = std::to_string(::getpid());
    const test_support::LeftoverCase cases[] = {
        {"a killed start's fresh lock file", test_support::AsLeft(), true},
        {"its start still runs", Renamed([&](auto&) { return LockName + "." + own + ".1.new"; }), false},
        {"another user's", test_support::HandedToAnotherUser(), false},
        {"written just now", test_support::AsLeft(), false, 0},
        {"another lock file's", Renamed([](auto& l) { return ".Other" + l.substr(6); }), false},
        {"something after", Renamed([](auto& l) { return l + "~"; }), false},
        {"a save's end", Renamed([](auto& l) { return l.substr(0, l.size() - 4) + ".tmp"; }), false},
        {"a leading zero", Renamed([](auto& l) { return LockName + ".0" + l.substr(LockName.size() + 1); }), false},
    };
    for (const test_support::LeftoverCase& c : cases) {
        SCOPED_TRACE(c.what);
        test_support::TempFolder folder;
        const std::string entry = c.make(folder, KilledStartsLeftover(folder));
        ASSERT_TRUE(fs::exists(folder.file(entry))) << entry;
        test_support::Age(folder.file(entry), c.ageMinutes);

        const desktop::LockAttempt taken = desktop::TakeLockFile(folder.file(LockName));
        EXPECT_EQ(taken.outcome, desktop::LockOutcome::Taken);
        if (taken.fd >= 0) ::close(taken.fd);
        EXPECT_TRUE(fs::is_regular_file(folder.file(LockName)));
        EXPECT_EQ(fs::exists(fs::symlink_status(folder.file(entry))), !c.removed) << entry;
    }
}

}  // namespace

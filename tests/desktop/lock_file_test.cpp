// What a start killed while swapping a fresh lock file in leaves beside the
// lock file, and what the next take clears away (and what it never touches).
#include "desktop/lock_file.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
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
    using Make = std::function<std::string(const test_support::TempFolder&, const std::string& leftover)>;
    const auto renamed = [](std::function<std::string(const std::string&)> newName) -> Make {
        return [newName](const test_support::TempFolder& f, const std::string& leftover) {
            const std::string name = newName(leftover);
            fs::rename(f.file(leftover), f.file(name));
            return name;
        };
    };
    const std::string own = std::to_string(::getpid());
    struct Case {
        const char* what;
        Make make;  // turns the killed start's leftover into the entry under test
        bool removed;
    };
    const Case cases[] = {
        {"a killed start's fresh lock file", [](auto&, const std::string& l) { return l; }, true},
        {"its start still runs", renamed([&](auto&) { return LockName + "." + own + ".1.new"; }), false},
        {"another user's",
         [](const test_support::TempFolder& f, const std::string& l) {
             EXPECT_EQ(::lchown(f.file(l).c_str(), test_support::AnotherUser, test_support::AnotherUser), 0);
             return l;
         },
         false},
        {"another lock file's", renamed([](auto& l) { return ".Other" + l.substr(6); }), false},
        {"something after", renamed([](auto& l) { return l + "~"; }), false},
        {"a save's end", renamed([](auto& l) { return l.substr(0, l.size() - 4) + ".tmp"; }), false},
        {"a leading zero", renamed([](auto& l) { return LockName + ".0" + l.substr(LockName.size() + 1); }), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test_support::TempFolder folder;
        const std::string entry = c.make(folder, KilledStartsLeftover(folder));
        ASSERT_TRUE(fs::exists(folder.file(entry))) << entry;

        const desktop::LockAttempt taken = desktop::TakeLockFile(folder.file(LockName));
        EXPECT_EQ(taken.outcome, desktop::LockOutcome::Taken);
        if (taken.fd >= 0) ::close(taken.fd);
        EXPECT_TRUE(fs::is_regular_file(folder.file(LockName)));
        EXPECT_EQ(fs::exists(fs::symlink_status(folder.file(entry))), !c.removed) << entry;
    }
}

}  // namespace

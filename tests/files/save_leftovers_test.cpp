// What a save killed between writing and renaming leaves beside the file, and
// what the next save of that file clears away (and what it never touches).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "files/atomic_file.h"
#include "tests/support/leftover_cases.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;

// A save of folder/target by a process that dies after writing, before the
// rename. Returns the name of the temporary file it left.
std::string KilledSave(const test_support::TempFolder& folder, const std::string& target) {
    const pid_t child = ::fork();
    if (child == 0) {
        AtomicTextFile file;
        const bool ok = !file.open(folder.file(target)) && file.writeLine("half a year");
        ::_exit(ok ? 0 : 1);  // killed: no destructor, no commit
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("." + target + "." + std::to_string(child) + ".", 0) == 0) return name;
    }
    ADD_FAILURE() << "the killed save left nothing";
    return "";
}

// The leftover's name with the process number swapped for another one.
std::string WithPid(const std::string& leftover, const std::string& target, pid_t pid) {
    const std::size_t start = target.size() + 2;
    return leftover.substr(0, start) + std::to_string(pid) + leftover.substr(leftover.find('.', start));
}

TEST(SaveLeftoversTest, TheNextSaveRemovesOnlyItsOwnDeadLeftovers) {
    const std::string target = "AzaanTimes.dat";
    using test_support::AsLeft;
    using test_support::Renamed;
    const auto replace = [](std::function<void(const std::string&)> make) -> test_support::MakeEntry {
        return [make](const test_support::TempFolder& f, const std::string& leftover) {
            fs::remove(f.file(leftover));
            make(f.file(leftover));
            return leftover;
        };
    };
    const test_support::LeftoverCase cases[] = {
        {"a killed save's leftover", AsLeft(), true},
        {"written just now", AsLeft(), false, 0},
        {"written nine minutes ago", AsLeft(), false, 9},
        {"written eleven minutes ago", AsLeft(), true, 11},
        {"its process still runs", Renamed([&](auto& l) { return WithPid(l, target, ::getpid()); }), false},
        {"another's process runs", Renamed([&](auto& l) { return WithPid(l, target, 1); }), false},
        {"another user's file", test_support::HandedToAnotherUser(), false},
        {"a link", replace([](const std::string& p) { fs::create_symlink("/etc/hostname", p); }), false},
        {"a dangling link", replace([](const std::string& p) { fs::create_symlink("nowhere", p); }), false},
        {"a folder", replace([](const std::string& p) { fs::create_directory(p); }), false},
        {"a FIFO", replace([](const std::string& p) { ::mkfifo(p.c_str(), 0600); }), false},
        {"no leading dot", Renamed([](auto& l) { return "_" + l.substr(1); }), false},
        {"another file's name", Renamed([&](auto& l) { return ".DST.TXT" + l.substr(target.size() + 1); }), false},
        {"seven hex digits", Renamed([](auto& l) { return l.substr(0, l.size() - 5) + ".tmp"; }), false},
        {"capital hex digits", Renamed([](auto& l) { return l.substr(0, l.size() - 12) + "ABCDEF01.tmp"; }), false},
        {"a leading zero",
         Renamed([&](auto& l) { return l.substr(0, target.size() + 2) + "0" + l.substr(target.size() + 2); }), false},
        {"cut short", Renamed([](auto& l) { return l.substr(0, l.size() - 6); }), false},
        {"something after", Renamed([](auto& l) { return l + "~"; }), false},
    };
    for (const test_support::LeftoverCase& c : cases) {
        test_support::TempFolder folder;
        folder.write(target, "old year");
        const std::string leftover = KilledSave(folder, target);
        ASSERT_FALSE(leftover.empty()) << c.what;
        const std::string entry = c.make(folder, leftover);
        test_support::Age(folder.file(entry), c.ageMinutes);

        ASSERT_EQ(SaveTextFile(folder.file(target), {"new year"}), std::nullopt) << c.what;
        EXPECT_EQ(folder.read(target), "new year\r\n") << c.what;
        EXPECT_EQ(fs::exists(fs::symlink_status(folder.file(entry))), !c.removed) << c.what << ": " << entry;
    }
}

}  // namespace
}  // namespace files

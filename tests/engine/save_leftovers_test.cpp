// What a save killed between writing and renaming leaves beside the file, and
// what the next save of that file clears away (and what it never touches).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "engine/atomic_file.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

// A save of folder/target by a process that dies after writing, before the
// rename. Returns the name of the temporary file it left.
std::string KilledSave(const test_support::TempFolder& folder, const std::string& target) {
  const pid_t child = ::fork();
  if (child == 0) {
    AtomicTextFile file;
    std::string error;
    const bool ok = file.open(folder.file(target), error) && file.writeLine("half a year");
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

// Dates an entry (a link itself, not its target) the given minutes back.
void Age(const std::string& path, int minutes) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  now.tv_sec -= minutes * 60;
  const timespec times[2] = {now, now};
  EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

TEST(SaveLeftoversTest, TheNextSaveRemovesOnlyItsOwnDeadLeftovers) {
  const std::string target = "AzaanTimes.dat";
  using Make = std::function<std::string(const test_support::TempFolder&, const std::string& leftover)>;
  const auto rename = [](std::function<std::string(const std::string&)> newName) -> Make {
    return [newName](const test_support::TempFolder& f, const std::string& leftover) {
      const std::string name = newName(leftover);
      fs::rename(f.file(leftover), f.file(name));
      return name;
    };
  };
  const auto replace = [](std::function<void(const std::string&)> make) -> Make {
    return [make](const test_support::TempFolder& f, const std::string& leftover) {
      fs::remove(f.file(leftover));
      make(f.file(leftover));
      return leftover;
    };
  };
  struct Case {
    const char* what;
    Make make;  // turns the killed save's leftover into the entry under test
    bool removed;
    int ageMinutes = 60;  // how long ago the entry was last written
  };
  const Case cases[] = {
      {"a killed save's leftover", [](auto&, const std::string& l) { return l; }, true},
      {"written just now", [](auto&, const std::string& l) { return l; }, false, 0},
      {"written nine minutes ago", [](auto&, const std::string& l) { return l; }, false, 9},
      {"written eleven minutes ago", [](auto&, const std::string& l) { return l; }, true, 11},
      {"its process still runs", rename([&](auto& l) { return WithPid(l, target, ::getpid()); }), false},
      {"another's process runs", rename([&](auto& l) { return WithPid(l, target, 1); }), false},
      {"another user's file",
       [](const test_support::TempFolder& f, const std::string& l) {
         EXPECT_EQ(::lchown(f.file(l).c_str(), test_support::AnotherUser, test_support::AnotherUser), 0);
         return l;
       },
       false},
      {"a link", replace([](const std::string& p) { fs::create_symlink("/etc/hostname", p); }), false},
      {"a dangling link", replace([](const std::string& p) { fs::create_symlink("nowhere", p); }), false},
      {"a folder", replace([](const std::string& p) { fs::create_directory(p); }), false},
      {"a FIFO", replace([](const std::string& p) { ::mkfifo(p.c_str(), 0600); }), false},
      {"no leading dot", rename([](auto& l) { return "_" + l.substr(1); }), false},
      {"another file's name", rename([&](auto& l) { return ".DST.TXT" + l.substr(target.size() + 1); }), false},
      {"seven hex digits", rename([](auto& l) { return l.substr(0, l.size() - 5) + ".tmp"; }), false},
      {"capital hex digits", rename([](auto& l) { return l.substr(0, l.size() - 12) + "ABCDEF01.tmp"; }), false},
      {"a leading zero", rename([&](auto& l) { return l.substr(0, target.size() + 2) + "0" + l.substr(target.size() + 2); }),
       false},
      {"cut short", rename([](auto& l) { return l.substr(0, l.size() - 6); }), false},
      {"something after", rename([](auto& l) { return l + "~"; }), false},
  };
  for (const Case& c : cases) {
    test_support::TempFolder folder;
    folder.write(target, "old year");
    const std::string leftover = KilledSave(folder, target);
    ASSERT_FALSE(leftover.empty()) << c.what;
    const std::string entry = c.make(folder, leftover);
    Age(folder.file(entry), c.ageMinutes);

    std::string error;
    ASSERT_TRUE(WriteTextFileAtomically(folder.file(target), {"new year"}, error)) << c.what << ": " << error;
    EXPECT_EQ(folder.read(target), "new year\r\n") << c.what;
    EXPECT_EQ(fs::exists(fs::symlink_status(folder.file(entry))), !c.removed) << c.what << ": " << entry;
  }
}

}  // namespace
}  // namespace engine

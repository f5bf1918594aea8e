// Cases for what killed processes leave behind in a folder: each turns the
// leftover one left into the entry under test, which the next save or lock
// either clears away or never touches.
#pragma once

#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include <filesystem>
#include <functional>
#include <string>

namespace test_support {

// Makes the entry under test from the leftover's name; returns the entry's name.
using MakeEntry = std::function<std::string(const TempFolder& folder, const std::string& leftover)>;

struct LeftoverCase {
    const char* what;
    MakeEntry make;
    bool removed;
    int ageMinutes = 60;  // how long ago the entry was last written
};

// Dates an entry (a link itself, not its target) the given minutes back.
inline void Age(const std::string& path, int minutes) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    now.tv_sec -= minutes * 60;
    const timespec times[2] = {now, now};
    EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

// The leftover as the killed process left it.
inline MakeEntry AsLeft() {
    return [](const TempFolder&, const std::string& leftover) { return leftover; };
}

// The leftover under another name.
inline MakeEntry Renamed(std::function<std::string(const std::string&)> newName) {
    return [newName](const TempFolder& folder, const std::string& leftover) {
        const std::string name = newName(leftover);
        std::filesystem::rename(folder.file(leftover), folder.file(name));
        return name;
    };
}

// The leftover, but another user's file.
inline MakeEntry HandedToAnotherUser() {
    return [](const TempFolder& folder, const std::string& leftover) {
        EXPECT_EQ(::lchown(folder.file(leftover).c_str(), AnotherUser, AnotherUser), 0);
        return leftover;
    };
}

}  // namespace test_support

#include "announcer/core/settings_file.h"

#include "tests/support/file_size_limit.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace announcer {
namespace {

TEST(SettingsFileTest, BytesOfTheThreeLines) {
    struct Case {
        const char* box;
        bool ticked;
        std::optional<int> volume;
        std::string bytes;
    };
    const Case cases[] = {
        {"", true, 1, " 0 \r\n 0 \r\n 1 \r\n"},  // the 15-byte example
        {"0", true, 0, " 0 \r\n 0 \r\n 2 \r\n"},
        {"-1", true, 0, "-1 \r\n 0 \r\n 2 \r\n"},
        {"0.5", true, 0, " .5 \r\n 0 \r\n 2 \r\n"},
        {"-0.5", false, 2, "-.5 \r\n 1 \r\n 0 \r\n"},
        {"1.5", true, std::nullopt, " 1.5 \r\n 0 \r\n\r\n"},
        {"1.5 hours", true, std::nullopt, " 1.5 \r\n 0 \r\n\r\n"},
        {"summer", false, std::nullopt, " 0 \r\n 1 \r\n\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(SettingsFileBytes({c.box, c.ticked, c.volume}), c.bytes) << c.box;
    EXPECT_EQ(SettingsFileBytes({"", true, 1}).size(), 15u);
}

TEST(SettingsFileTest, WritesTheFileWhole) {
    test_support::TempFolder folder;
    folder.write(SettingsFileName, "old content that is longer than the new one\r\n");
    ASSERT_TRUE(WriteSettingsFile(folder.str(), {"-1", true, 0}));
    EXPECT_EQ(folder.read(SettingsFileName), "-1 \r\n 0 \r\n 2 \r\n");
    EXPECT_FALSE(WriteSettingsFile(folder.file("missing folder"), {"", true, std::nullopt}));
}

// The process can write only a few bytes more (as on a full disk, or a tick
// killed half way): the settings already on disk stay whole.
TEST(SettingsFileTest, AFailedWriteKeepsTheSettingsOnDisk) {
    test_support::TempFolder folder;
    const std::string old = " 2 \r\n 1 \r\n 0 \r\n";
    folder.write(SettingsFileName, old);

    const bool written = test_support::WithFileSizeLimit(4, [&] {
        return WriteSettingsFile(folder.str(), {"-1", true, 0});
    });
    EXPECT_FALSE(written);
    EXPECT_EQ(folder.read(SettingsFileName), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);  // nothing left beside it
}

// A tick that finds its three lines already on disk leaves the file alone;
// a change is saved.
TEST(SettingsFileTest, UnchangedLinesLeaveTheFileAlone) {
    namespace fs = std::filesystem;
    test_support::TempFolder folder;
    const SettingsControls controls{"1", true, 1};
    ASSERT_TRUE(WriteSettingsFile(folder.str(), controls));
    const fs::path path = folder.file(SettingsFileName);
    const auto long_ago = fs::last_write_time(path) - std::chrono::hours(24 * 365);
    fs::last_write_time(path, long_ago);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    ASSERT_TRUE(WriteSettingsFile(folder.str(), controls));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(fs::last_write_time(path), long_ago);

    ASSERT_TRUE(WriteSettingsFile(folder.str(), {"1", false, 1}));
    EXPECT_EQ(folder.read(SettingsFileName), " 1 \r\n 1 \r\n 1 \r\n");
}

TEST(SettingsFileTest, ReadRules) {
    struct Case {
        std::string bytes;
        std::optional<std::string> hours;
        std::optional<bool> ticked;
        std::optional<int> volume;
    };
    const Case cases[] = {
        {" 0 \r\n 0 \r\n 2 \r\n", "0", true, 0},
        {"-1 \r\n 1 \r\n 1 \r\n", "-1", false, 1},
        {" .5 \r\n 2 \r\n 0 \r\n", "0.5", std::nullopt, 2},  // play code 2 leaves the box
        {"-.5 \r\n 0 \r\n\r\n", "-0.5", true, 2},            // empty volume line: Low
        {"x \r\nabc\r\nz\r\n", "0", true, 2},                // unreadable numbers count as 0
        {" 1.5 \r\n 0 \r\n .5 \r\n", "1.5", true, 2},        // 1.5 goes to the even 2
        {" 1.5 \r\n 0 \r\n 1.5 \r\n", "1.5", true, 0},       // 0.5 goes to the even 0
        {" 1 \r\n 0 \r\n 3 \r\n", "1", true, std::nullopt},  // outside the three options
        {" 1 \r\n 0 \r\n-1 \r\n", "1", true, std::nullopt},
        {" 2 \n 1 \n 1 ", "2", false, 1},              // LF only, no last line end
        {" 2 \r\n 1 \r\n", "2", false, std::nullopt},  // short file: the volume stays
        {" 2 \r\n", "2", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto r = ParseSettingsFile(c.bytes);
        EXPECT_TRUE(r.fileRead);
        EXPECT_EQ(r.hoursText, c.hours) << c.bytes;
        EXPECT_EQ(r.playTicked, c.ticked) << c.bytes;
        EXPECT_EQ(r.volumeIndex, c.volume) << c.bytes;
    }
}

TEST(SettingsFileTest, MissingFileChangesNothing) {
    test_support::TempFolder folder;
    const auto r = ReadSettingsFile(folder.str());
    EXPECT_FALSE(r.fileRead);
    EXPECT_FALSE(r.hoursText);
    EXPECT_FALSE(r.playTicked);
    EXPECT_FALSE(r.volumeIndex);
}

TEST(SettingsFileTest, WhatIsWrittenReadsBack) {
    test_support::TempFolder folder;
    for (int index = 0; index < 3; ++index) {
        ASSERT_TRUE(WriteSettingsFile(folder.str(), {"-0.5", false, index}));
        const auto r = ReadSettingsFile(folder.str());
        EXPECT_EQ(r.hoursText, "-0.5");
        EXPECT_EQ(r.playTicked, false);
        EXPECT_EQ(r.volumeIndex, index);
    }
}

}  // namespace
}  // namespace announcer

// The settings file, the log book and today's record when the name holds a FIFO,
// a device or a huge file: never waited on, never written into, never read whole.
#include "announcer/core/log_book.h"
#include "announcer/core/settings_file.h"
#include "announcer/core/today_record.h"
#include "engine/times_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/fifo.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace announcer {
namespace {

namespace fs = std::filesystem;

const std::string ValidSettings = " 1 \r\n 1 \r\n 2 \r\n";

TEST(HostileFilesTest, SettingsFromAFifoADeviceOrTooLongAreNotRead) {
    test_support::TempFolder folder;
    const std::string path = folder.file(SettingsFileName);
    {
        testing_support::FifoWithWriter writer(path);
        ASSERT_TRUE(writer.made());
        EXPECT_FALSE(ReadSettingsFile(folder.str()).fileRead);
    }
    fs::remove(path);
    fs::create_symlink("/dev/null", path);
    EXPECT_FALSE(ReadSettingsFile(folder.str()).fileRead);

    fs::remove(path);
    folder.write(SettingsFileName, ValidSettings + std::string(SettingsFileByteLimit - ValidSettings.size(), ' '));
    EXPECT_TRUE(ReadSettingsFile(folder.str()).fileRead);
    folder.write(SettingsFileName, ValidSettings + std::string(SettingsFileByteLimit, ' '));
    EXPECT_FALSE(ReadSettingsFile(folder.str()).fileRead);
}

TEST(HostileFilesTest, TodaysRecordFromAFifoIsMissing) {
    test_support::TempFolder folder;
    const std::string path = folder.file(TimesFileName);
    testing_support::FifoWithWriter writer(path);
    ASSERT_TRUE(writer.made());
    TodayRecord record;
    EXPECT_EQ(ReadTodayRecordAt(path, 1, record).outcome, RecordOutcome::Missing);
}

TEST(HostileFilesTest, TodaysRecordFromAHugeFileIsDamaged) {
    test_support::TempFolder folder;
    const std::string path = folder.file(TimesFileName);
    fs::copy_file(SUITE_TEST_DATA "/AzaanTimes_abha.dat", path);
    fs::resize_file(path, engine::TimesFileByteLimit + 1);
    TodayRecord record;
    EXPECT_EQ(ReadTodayRecordAt(path, 1, record).outcome, RecordOutcome::Damaged);
}

TEST(HostileFilesTest, SettingsAreNeverWrittenIntoAFifoOrADevice) {
    test_support::TempFolder folder;
    const std::string path = folder.file(SettingsFileName);
    {
        testing_support::FifoWithReader fifo(path);
        ASSERT_TRUE(fifo.made());
        EXPECT_FALSE(WriteSettingsFile(folder.str(), {"1", true, 0}));
        EXPECT_TRUE(fifo.stillThere());
    }
    fs::remove(path);
    fs::create_symlink("/dev/null", path);
    EXPECT_FALSE(WriteSettingsFile(folder.str(), {"1", true, 0}));
    EXPECT_TRUE(fs::is_symlink(path));
}

TEST(HostileFilesTest, TheLogBookIsNeverWrittenIntoAFifoOrADevice) {
    test_support::TempFolder folder;
    const std::string path = folder.file(LogBookName);
    const CivilDate today{2026, 12, 10};
    {
        testing_support::FifoWithReader fifo(path);
        ASSERT_TRUE(fifo.made());
        EXPECT_FALSE(AppendToLogBook(folder.str(), today, 3600, "line"));
        EXPECT_TRUE(fifo.stillThere());
    }
    fs::remove(path);
    fs::create_symlink("/dev/null", path);
    EXPECT_FALSE(AppendToLogBook(folder.str(), today, 3600, "line"));
    EXPECT_TRUE(fs::is_symlink(path));
}

}  // namespace
}  // namespace announcer

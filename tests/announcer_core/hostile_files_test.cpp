// The settings file, the log book and today's record when the name holds a FIFO,
// a device or a huge file: never waited on, never written into, never read whole.
#include "announcer/core/log_book.h"
#include "announcer/core/settings_file.h"
#include "announcer/core/today_record.h"
#include "engine/times_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/fifo.h"
#include "tests/support/planted_link.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>

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
    const std::string path = folder.file(engine::TimesFileName);
    testing_support::FifoWithWriter writer(path);
    ASSERT_TRUE(writer.made());
    TodayRecord record;
    EXPECT_EQ(ReadTodayRecordAt(path, 1, record).outcome, RecordOutcome::Missing);
}

TEST(HostileFilesTest, TodaysRecordFromAHugeFileIsDamaged) {
    test_support::TempFolder folder;
    const std::string path = folder.file(engine::TimesFileName);
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

// Another user's link in the program folder is replaced by a file of our own;
// whatever it leads to stays exactly as it was.
TEST(HostileFilesTest, TheTickNeverWritesThroughALinkAnotherUserPlanted) {
    const CivilDate today{2026, 12, 10};
    const std::string header = LogHeader(today, 3600)[0] + "\r\n" + LogHeader(today, 3600)[1] + "\r\n";
    struct Case {
        const char* what;
        const char* name;
        std::string victimBytes;  // empty: the link leads nowhere
        std::function<bool(const std::string& folder)> write;
        std::string written;
    } cases[] = {
        {"settings", SettingsFileName, "victim's text\n",
         [](const std::string& f) {
             return WriteSettingsFile(f, {"1", true, 0});
         },
         " 1 \r\n 0 \r\n 2 \r\n"},
        {"settings, the same lines", SettingsFileName, " 1 \r\n 0 \r\n 2 \r\n",
         [](const std::string& f) {
             return WriteSettingsFile(f, {"1", true, 0});
         },
         " 1 \r\n 0 \r\n 2 \r\n"},
        {"settings, dangling", SettingsFileName, "",
         [](const std::string& f) {
             return WriteSettingsFile(f, {"1", true, 0});
         },
         " 1 \r\n 0 \r\n 2 \r\n"},
        {"log append", LogBookName, "victim's log\r\n",
         [&](const std::string& f) { return AppendToLogBook(f, today, 3600, "line"); }, header + "line\r\n"},
        {"log re-created", LogBookName, std::string(LogBookLimit + 1, 'v'),
         [&](const std::string& f) { return AppendToLogBook(f, today, 3600, "line"); }, header + "line\r\n"},
        {"log, dangling", LogBookName, "",
         [&](const std::string& f) { return AppendToLogBook(f, today, 3600, "line"); }, header + "line\r\n"},
    };
    for (const Case& c : cases) {
        test_support::TempFolder program, elsewhere;
        const std::string victim = elsewhere.file("victim");
        if (!c.victimBytes.empty()) elsewhere.write("victim", c.victimBytes);
        ASSERT_TRUE(test_support::PlantLink(victim, program.file(c.name))) << c.what;

        EXPECT_TRUE(c.write(program.str())) << c.what;
        EXPECT_EQ(fs::exists(victim), !c.victimBytes.empty()) << c.what;
        if (!c.victimBytes.empty()) {
            EXPECT_EQ(elsewhere.read("victim"), c.victimBytes) << c.what;
        }
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(program.file(c.name)))) << c.what;
        EXPECT_EQ(program.read(c.name), c.written) << c.what;
    }
}

// Another user who can write into the program folder takes the log book away
// and plants links in its place while lines are appended. Whatever the name
// holds when a line comes, every book that ever stood there begins with its
// header, and the planted link's target keeps its bytes.
TEST(HostileFilesTest, TheLogBookKeepsItsHeaderWhileOthersTakeItOrSwapInALink) {
    test_support::TempFolder program, elsewhere;
    elsewhere.write("victim", "victim's log\r\n");
    const std::string book = program.file(LogBookName), taken = program.file("taken"),
                      staging = program.file("staging");
    const CivilDate today{2026, 12, 10};
    const std::string header = LogHeader(today, 3600)[0] + "\r\n" + LogHeader(today, 3600)[1] + "\r\n";

    std::atomic<bool> done{false}, sawHeadless{false};
    std::string headless;  // the first book seen without its header, read after the join
    std::thread other([&] {
        for (unsigned i = 0; !done; ++i) {
            if (i % 4 == 3) {
                test_support::PlantLink(elsewhere.file("victim"), staging);
                std::rename(staging.c_str(), book.c_str());
            } else if (std::rename(book.c_str(), taken.c_str()) == 0 &&
                       fs::is_regular_file(fs::symlink_status(taken))) {
                const std::string bytes = program.read("taken");
                if (!bytes.empty() && bytes.rfind(header, 0) != 0) {
                    headless = bytes;
                    sawHeadless = true;
                    return;
                }
            }
        }
    });
    int lines = 0;
    for (; lines < 5000 && !sawHeadless; ++lines) AppendToLogBook(program.str(), today, 3600, "line");
    done = true;
    other.join();
    EXPECT_EQ(headless, "") << "after " << lines << " lines";
    if (fs::is_regular_file(fs::symlink_status(book))) {
        EXPECT_EQ(program.read(LogBookName).rfind(header, 0), 0u);
    }
    EXPECT_EQ(elsewhere.read("victim"), "victim's log\r\n");
}

// A link of the user's own is where the user keeps the file: written through.
TEST(HostileFilesTest, TheUsersOwnLinkIsStillFollowed) {
    test_support::TempFolder program, elsewhere;
    elsewhere.write("settings", "old");
    elsewhere.write("log", "kept\r\n");
    fs::create_symlink(elsewhere.file("settings"), program.file(SettingsFileName));
    fs::create_symlink(elsewhere.file("log"), program.file(LogBookName));

    EXPECT_TRUE(WriteSettingsFile(program.str(), {"1", true, 0}));
    EXPECT_TRUE(AppendToLogBook(program.str(), {2026, 12, 10}, 3600, "line"));
    EXPECT_EQ(elsewhere.read("settings"), " 1 \r\n 0 \r\n 2 \r\n");
    EXPECT_EQ(elsewhere.read("log"), "kept\r\nline\r\n");
    EXPECT_TRUE(fs::is_symlink(program.file(SettingsFileName)));
    EXPECT_TRUE(fs::is_symlink(program.file(LogBookName)));
}

}  // namespace
}  // namespace announcer

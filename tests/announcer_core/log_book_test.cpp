#include "announcer/core/log_book.h"

#include "announcer/core/call_to_prayer.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace announcer {
namespace {

int Hms(int h, int m, int s = 0) { return h * 3600 + m * 60 + s; }

TEST(LogBookTest, HeaderAndFajrLineAt425) {
    const CivilDate today{2026, 12, 9};
    const int now = Hms(4, 25, 10);
    const TodayTimes times{TimeValue{0, Hms(4, 25)},  TimeValue{0, Hms(5, 50)},  TimeValue{0, Hms(11, 38)},
                           TimeValue{0, Hms(14, 45)}, TimeValue{0, Hms(16, 55)}, TimeValue{0, Hms(18, 25)}};
    const auto test = RunStartTest(now, times, 0, 1);
    ASSERT_TRUE(test.start);
    EXPECT_EQ(LogLine("Abha", today, now, MakeTodayTimeTexts(times), test.minutesApart, TickMinutes()),
              "Abha   09-12-26   4:25:10 AM4:25 AM   11:38 AM   2:45 PM   4:55 PM   6:25 PM"
              "    0.00  433.00  620.00  750.00  840.00     .98");
    const auto header = LogHeader(today, now);
    EXPECT_EQ(header[0], "This is the log file for Kelvora [Re-created on 09-12-26   4:25:10 AM]");
    EXPECT_EQ(header[1], std::string(69, '-'));
    EXPECT_EQ(LogDate({2005, 1, 3}), "03-01-05");
}

// A log book that is missing, or there but empty (a full disk at the first
// call, or emptied by the user), is begun as a new one.
TEST(LogBookTest, MissingOrEmptyLogBookBeginsWithTheHeader) {
    for (const bool empty : {false, true}) {
        test_support::TempFolder folder;
        if (empty) folder.write(LogBookName, "");
        ASSERT_TRUE(AppendToLogBook(folder.str(), {2026, 12, 9}, Hms(4, 25, 10), "first"));
        ASSERT_TRUE(AppendToLogBook(folder.str(), {2026, 12, 9}, Hms(11, 38, 3), "second"));
        EXPECT_EQ(folder.read(LogBookName),
                  "This is the log file for Kelvora [Re-created on 09-12-26   4:25:10 AM]\r\n" + std::string(69, '-') +
                      "\r\nfirst\r\nsecond\r\n")
            << (empty ? "empty" : "missing");
    }
}

TEST(LogBookTest, BegunAgainOnlyPast48000Bytes) {
    test_support::TempFolder folder;
    const std::string at(48000, 'x');
    folder.write(LogBookName, at);
    ASSERT_TRUE(AppendToLogBook(folder.str(), {2026, 12, 9}, Hms(5, 7), "line"));
    EXPECT_EQ(folder.read(LogBookName), at + "line\r\n");

    folder.write(LogBookName, std::string(48001, 'x'));
    ASSERT_TRUE(AppendToLogBook(folder.str(), {2026, 12, 9}, Hms(5, 7), "line"));
    EXPECT_EQ(folder.read(LogBookName), "This is the log file for Kelvora [Re-created on 09-12-26   5:07:00 AM]\r\n" +
                                            std::string(69, '-') + "\r\nline\r\n");
}

// Beginning the book again fails half way (a full disk, a kill): the old book
// stays as it was rather than half a header that every later line would follow.
TEST(LogBookTest, AFailedNewBeginningKeepsTheOldBook) {
    test_support::TempFolder folder;
    const std::string old(48001, 'x');
    folder.write(LogBookName, old);
    EXPECT_FALSE(test_support::WithFileSizeLimit(20, [&] {
        return AppendToLogBook(folder.str(), {2026, 12, 9}, Hms(5, 7), "line");
    }));
    EXPECT_EQ(folder.read(LogBookName), old);
}

TEST(LogBookTest, UnwritableFolderIsReported) {
    test_support::TempFolder folder;
    EXPECT_FALSE(AppendToLogBook(folder.file("no such folder"), {2026, 12, 9}, Hms(5, 7), "line"));
}

}  // namespace
}  // namespace announcer

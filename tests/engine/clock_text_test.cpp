#include <gtest/gtest.h>

#include "engine/clock_text.h"

namespace engine {
namespace {

TEST(ClockText, LongAndShortTimes) {
    struct Case {
        int seconds;
        const char* longTime;
        const char* shortTime;
    } cases[] = {
        {5 * 3600 + 7 * 60, "5:07:00 AM", "5:07 AM"},
        {0, "12:00:00 AM", "12:00 AM"},
        {12 * 3600 + 15 * 60, "12:15:00 PM", "12:15 PM"},
        {23 * 3600 + 59 * 60 + 59, "11:59:59 PM", "11:59 PM"},
        {45 * 60, "12:45:00 AM", "12:45 AM"},
        {-60, "11:59:00 PM", "11:59 PM"},
        {86400 + 60, "12:01:00 AM", "12:01 AM"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LongTime(c.seconds), c.longTime);
        EXPECT_EQ(ShortTime(c.seconds), c.shortTime);
    }
    EXPECT_EQ(MonthDay(12, 9), "December 9");
    EXPECT_EQ(DayMonthYear(8, 12, 2026), "08 Dec 2026");
    EXPECT_STREQ(MonthAbbrev[0], "Jan");
    EXPECT_STREQ(MonthAbbrev[11], "Dec");
    EXPECT_STREQ(MonthAbbreviation(12), "Dec");
    EXPECT_STREQ(MonthAbbreviation(0), "Jan");  // out of range counts as January
    EXPECT_STREQ(MonthAbbreviation(13), "Jan");
}

}  // namespace
}  // namespace engine

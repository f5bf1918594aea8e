#include "announcer/core/daylight_saving.h"

#include "announcer/core/time_value.h"
#include "announcer/core/today_record.h"

#include "abha_times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace announcer {
namespace {

using announcer_test::Hms;
constexpr auto Abha = announcer_test::AbhaTimes;

TEST(DaylightSavingTest, ShiftsByTheBoxHours) {
    struct Case {
        const char* box;
        int startSeconds;
        TimeValue expected;
        const char* text;
    };
    const Case cases[] = {
        {"", Hms(5, 7), {0, Hms(5, 7)}, "5:07 AM"},        {"summer", Hms(5, 7), {0, Hms(5, 7)}, "5:07 AM"},
        {"-", Hms(5, 7), {0, Hms(5, 7)}, "5:07 AM"},       {"1", Hms(5, 7), {0, Hms(6, 7)}, "6:07 AM"},
        {"1.5", Hms(5, 7), {0, Hms(6, 37)}, "6:37 AM"},    {"1.5x", Hms(5, 7), {0, Hms(6, 37)}, "6:37 AM"},
        {"1", Hms(23, 30), {1, Hms(0, 30)}, "12:30 AM"},    // Isha past midnight: the next day
        {"-1", Hms(0, 30), {-1, Hms(23, 30)}, "11:30 PM"},  // Fajr before midnight: the day before
        {"1", Hms(11, 15), {0, Hms(12, 15)}, "12:15 PM"},  {"48", Hms(5, 7), {2, Hms(5, 7)}, "5:07 AM"},
        {"0.025", Hms(5, 7), {0, Hms(5, 9)}, "5:09 AM"},   // 1.5 minutes go up to the even 2
        {"0.375", Hms(5, 7), {0, Hms(5, 29)}, "5:29 AM"},  // 22.5 minutes go down to the even 22
    };
    for (const auto& c : cases) {
        TodayTimes times{};
        times[IshaTime] = TimeValue{0, c.startSeconds};
        EXPECT_TRUE(ApplyDST(times, c.box)) << c.box;
        EXPECT_EQ(times[IshaTime]->day, c.expected.day) << c.box;
        EXPECT_EQ(times[IshaTime]->seconds, c.expected.seconds) << c.box;
        EXPECT_EQ(TodayTimeText(times[IshaTime]), c.text) << c.box;
        EXPECT_FALSE(times[FajrTime]) << "no time stays no time";
    }
}

TEST(DaylightSavingTest, RefusesHoursItCannotUseWithoutChangingTheTime) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double hours : {nan, inf, -inf, 1e300, -1e300, 1e8, -1e8, 3e15}) {
        TimeValue t{0, Hms(5, 7)};
        EXPECT_FALSE(ShiftTime(t, hours)) << hours;
        EXPECT_EQ(t.day, 0);
        EXPECT_EQ(t.seconds, Hms(5, 7));
    }
    TodayTimes times = Abha();
    EXPECT_FALSE(ApplyDST(times, "1E+300"));
    EXPECT_EQ(times, Abha());
}

TEST(DaylightSavingTest, StopsAtTheFirstTimeThatWouldLeaveTheCalendar) {
    // Ten hours past the start of 31 Dec 9999: the morning times still fit, Asr does not.
    const long long lastDay = DayOfDate({9999, 12, 31});
    const std::string hours = std::to_string(lastDay * 24 + 10);
    TodayTimes times = Abha();
    EXPECT_FALSE(ApplyDST(times, hours));
    EXPECT_EQ(times[FajrTime]->day, lastDay);
    EXPECT_EQ(times[FajrTime]->seconds, Hms(15, 7));
    EXPECT_EQ(times[ZuhrTime]->day, lastDay);
    EXPECT_EQ(times[ZuhrTime]->seconds, Hms(22, 15));
    EXPECT_EQ(times[AsrTime], Abha()[AsrTime]);
    EXPECT_EQ(times[IshaTime], Abha()[IshaTime]);
}

TEST(DaylightSavingTest, ReadingAfreshNeverShiftsTwice) {
    const std::string file =
        "Abha\r\n#\r\n 323.46\r\n#\r\n 18.233        42.517        3\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#\r\n"
        " 1, Jan 1,#  5:07 AM#,#  6:29 AM#,# 12:15 PM#,#  3:30 PM#,#  5:55 PM#,# 11:30 PM#\r\n";
    TodayRecord r;
    for (int call = 0; call < 2; ++call) {
        ASSERT_EQ(ReadTodayRecord(file, 1, r).outcome, RecordOutcome::Found);
        ASSERT_TRUE(ApplyDST(r.times, "1"));
        const auto texts = MakeTodayTimeTexts(r.times);
        EXPECT_EQ(texts[FajrTime], "6:07 AM");
        EXPECT_EQ(texts[IshaTime], "12:30 AM");
        EXPECT_EQ(r.times[IshaTime]->day, 1);
    }
}

}  // namespace
}  // namespace announcer

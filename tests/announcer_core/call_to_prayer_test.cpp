#include "announcer/core/call_to_prayer.h"

#include "abha_times.h"

#include <gtest/gtest.h>

namespace announcer {
namespace {

using announcer_test::Hms;
constexpr auto Abha = announcer_test::AbhaTimes;

TEST(MinutesApartTest, WholeMinutesOfOneDay) {
    EXPECT_EQ(MinutesApart(Hms(5, 7), Hms(5, 6, 59)), 1);
    EXPECT_EQ(MinutesApart(Hms(5, 7), Hms(5, 7, 59)), 0);
    EXPECT_EQ(MinutesApart(Hms(5, 7), Hms(5, 7, 0)), 0);
    EXPECT_EQ(MinutesApart(Hms(23, 59), Hms(0, 0)), 1439);  // never wraps past midnight
    EXPECT_EQ(MinutesApart(Hms(11, 38), Hms(4, 25, 30)), 433);
}

TEST(TickMinutesTest, FiftyNineSeconds) {
    EXPECT_DOUBLE_EQ(TickMinutes(), 59.0 / 60.0);
    EXPECT_DOUBLE_EQ(TickMinutes(60000), 1.0);
}

TEST(TickStartTest, EachPrayerStartsItsRecordingOnce) {
    struct Case {
        const char* prayer;
        int now;
        const char* recording;
    };
    const Case cases[] = {
        {"Fajr", Hms(5, 7, 0), "fajr.mp3"},     {"Fajr late", Hms(5, 7, 59), "fajr.mp3"},
        {"Zuhr", Hms(12, 15, 30), "other.mp3"}, {"Asr", Hms(15, 30, 1), "other.mp3"},
        {"Maghrib", Hms(17, 55), "other.mp3"},  {"Isha", Hms(19, 15, 40), "other.mp3"},
    };
    for (const auto& c : cases) {
        const auto first = RunStartTest(c.now, Abha(), 0, 1);
        EXPECT_TRUE(first.start) << c.prayer;
        EXPECT_EQ(first.recording, c.recording) << c.prayer;
        EXPECT_EQ(first.azaanJustPlayed, 1) << c.prayer;
        // The second tick in the same minute only clears the flag.
        const auto second = RunStartTest(c.now, Abha(), first.azaanJustPlayed, 1);
        EXPECT_FALSE(second.start) << c.prayer;
        EXPECT_EQ(second.recording, "") << c.prayer;
        EXPECT_EQ(second.azaanJustPlayed, 0) << c.prayer;
    }
}

TEST(TickStartTest, QuietMinutes) {
    // One second before Fajr's minute, the sunrise minute, and the box unticked.
    for (int now : {Hms(5, 6, 59), Hms(6, 29, 10), Hms(5, 8, 0), Hms(0, 0)}) {
        const auto t = RunStartTest(now, Abha(), 0, 1);
        EXPECT_FALSE(t.start) << now;
        EXPECT_EQ(t.azaanJustPlayed, 0);
    }
    const auto unticked = RunStartTest(Hms(5, 7, 10), Abha(), 0, 0);
    EXPECT_FALSE(unticked.start);
    EXPECT_EQ(unticked.azaanJustPlayed, 0);
    EXPECT_EQ(unticked.minutesApart[0], 0);
}

TEST(TickStartTest, FajrWinsASharedMinute) {
    TodayTimes times = Abha();
    times[ZuhrTime] = TimeValue{0, Hms(5, 7)};
    const auto t = RunStartTest(Hms(5, 7, 20), times, 0, 1);
    EXPECT_TRUE(t.start);
    EXPECT_EQ(t.recording, "fajr.mp3");
}

TEST(TickStartTest, ComparesTheTimeOfDayAsItsTextShows) {
    TodayTimes times = Abha();
    times[IshaTime] = TimeValue{1, Hms(0, 30)};  // "12:30 AM" after a shift past midnight
    const auto t = RunStartTest(Hms(0, 30, 5), times, 0, 1);
    EXPECT_TRUE(t.start);
    EXPECT_EQ(t.recording, "other.mp3");
}

TEST(TickStartTest, PrayersWithoutATimeNeverStartACall) {
    // No record read yet: midnight must pass silently.
    for (int now : {Hms(0, 0), Hms(0, 0, 59), Hms(12, 0)}) {
        const auto t = RunStartTest(now, TodayTimes{}, 0, 1);
        EXPECT_FALSE(t.start) << now;
        for (const auto& m : t.minutesApart) EXPECT_FALSE(m);
    }
    // A single empty time takes no part; the others still do.
    TodayTimes times = Abha();
    times[FajrTime].reset();
    EXPECT_FALSE(RunStartTest(Hms(0, 0), times, 0, 1).start);
    const auto zuhr = RunStartTest(Hms(12, 15), times, 0, 1);
    EXPECT_TRUE(zuhr.start);
    EXPECT_EQ(zuhr.recording, "other.mp3");
    EXPECT_FALSE(zuhr.minutesApart[0]);
    EXPECT_EQ(zuhr.minutesApart[1], 0);
}

}  // namespace
}  // namespace announcer

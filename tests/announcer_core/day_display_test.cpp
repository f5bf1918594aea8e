#include "announcer/core/day_display.h"

#include "abha_times.h"

#include <gtest/gtest.h>

namespace announcer {
namespace {

using announcer_test::Hms;
constexpr auto Abha = announcer_test::AbhaTimes;

constexpr std::nullopt_t None = std::nullopt;

struct Case {
    const char* when;
    int now;
    std::optional<TimeIndex> next, current;
    const char* marker;
    std::optional<TimeIndex> beside;
};

void Check(const TodayTimes& times, const Case& c) {
    const auto d = ChooseDayDisplay(c.now, times);
    EXPECT_EQ(d.next, c.next) << c.when;
    EXPECT_EQ(d.current, c.current) << c.when;
    EXPECT_EQ(d.markerCaption, c.marker) << c.when;
    EXPECT_EQ(d.markerBeside, c.beside) << c.when;
}

TEST(DayDisplayTest, ThroughTheDay) {
    const Case cases[] = {
        {"midnight", Hms(0, 0), FajrTime, None, "( - 5:07 hrs)", FajrTime},
        {"5:06:59", Hms(5, 6, 59), FajrTime, None, "( - 0:01 hrs)", FajrTime},
        {"5:07:00", Hms(5, 7), None, FajrTime, "( - 1:22 hrs)", FajrTime},
        {"6:28:59", Hms(6, 28, 59), None, FajrTime, "( - 0:01 hrs)", FajrTime},
        {"6:29:00", Hms(6, 29), ZuhrTime, None, "( - 5:46 hrs)", ZuhrTime},
        {"12:15", Hms(12, 15), AsrTime, ZuhrTime, "( - 3:15 hrs)", AsrTime},
        {"15:30", Hms(15, 30), MaghribTime, AsrTime, "( - 2:25 hrs)", MaghribTime},
        {"17:55", Hms(17, 55), IshaTime, MaghribTime, "( - 1:20 hrs)", IshaTime},
        {"Isha", Hms(19, 15), None, IshaTime, "", None},
        {"23:59:59", Hms(23, 59, 59), None, IshaTime, "", None},
    };
    for (const auto& c : cases) Check(Abha(), c);
}

TEST(DayDisplayTest, ShiftedAcrossMidnight) {
    TodayTimes isha = Abha();
    isha[IshaTime] = TimeValue{1, Hms(0, 30)};
    Check(isha, {"Isha next day, 11:50 PM", Hms(23, 50), IshaTime, MaghribTime, "( - 0:40 hrs)", IshaTime});

    TodayTimes fajr = Abha();
    fajr[FajrTime] = TimeValue{-1, Hms(23, 30)};
    Check(fajr, {"Fajr day before, 0:10", Hms(0, 10), None, FajrTime, "( - 6:19 hrs)", FajrTime});

    TodayTimes far = Abha();
    far[FajrTime] = TimeValue{1, Hms(5, 7)};
    Check(far, {"Fajr a day ahead", Hms(5, 7), FajrTime, None, "( - 24:00 hrs)", FajrTime});
}

TEST(DayDisplayTest, NoTimesMeansNothingAhead) {
    Check(TodayTimes{}, {"no record", Hms(0, 0), None, IshaTime, "", None});
    Check(TodayTimes{}, {"no record", Hms(10, 0), None, IshaTime, "", None});
    TodayTimes noFajr = Abha();
    noFajr[FajrTime].reset();
    Check(noFajr, {"no Fajr", Hms(1, 0), None, FajrTime, "( - 5:29 hrs)", FajrTime});
}

TEST(CalcTimeLeftTest, Table) {
    const std::pair<long long, const char*> cases[] = {
        {0, "0:00"},    {5, "0:05"},     {59, "0:59"},    {60, "1:00"},    {70, "1:10"},    {135, "2:15"},
        {600, "10:00"}, {1439, "23:59"}, {1440, "24:00"}, {1500, "25:00"}, {6000, "00:00"}, {6059, "00:59"},
    };
    for (const auto& [minutes, text] : cases) EXPECT_EQ(CalcTimeLeft(minutes), text) << minutes;
}

TEST(DayHeadingTest, CityAndDate) {
    EXPECT_EQ(DayHeading("Abha", {2026, 12, 9}), "Prayer times in Abha  on\r9 Dec 2026\r\r");
    EXPECT_EQ(DayHeading("", {2026, 1, 31}), "Prayer times in   on\r31 Jan 2026\r\r");
}

}  // namespace
}  // namespace announcer

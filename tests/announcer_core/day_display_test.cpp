#include "announcer/core/day_display.h"

#include "abha_times.h"

#include <gtest/gtest.h>

namespace announcer {
namespace {

using announcer_test::Hms;
constexpr auto Abha = announcer_test::AbhaTimes;

using L = TimeLabel;

struct Case {
    const char* when;
    int now;
    TimeLabel next, current;
    const char* marker;
    TimeLabel beside;
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
        {"midnight", Hms(0, 0), L::Label2, L::None, "( - 5:07 hrs)", L::Label2},
        {"5:06:59", Hms(5, 6, 59), L::Label2, L::None, "( - 0:01 hrs)", L::Label2},
        {"5:07:00", Hms(5, 7), L::None, L::Label2, "( - 1:22 hrs)", L::Label2},
        {"6:28:59", Hms(6, 28, 59), L::None, L::Label2, "( - 0:01 hrs)", L::Label2},
        {"6:29:00", Hms(6, 29), L::Label3, L::None, "( - 5:46 hrs)", L::Label3},
        {"12:15", Hms(12, 15), L::Label4, L::Label3, "( - 3:15 hrs)", L::Label4},
        {"15:30", Hms(15, 30), L::Label5, L::Label4, "( - 2:25 hrs)", L::Label5},
        {"17:55", Hms(17, 55), L::Label6, L::Label5, "( - 1:20 hrs)", L::Label6},
        {"Isha", Hms(19, 15), L::None, L::Label6, "", L::None},
        {"23:59:59", Hms(23, 59, 59), L::None, L::Label6, "", L::None},
    };
    for (const auto& c : cases) Check(Abha(), c);
}

TEST(DayDisplayTest, ShiftedAcrossMidnight) {
    TodayTimes isha = Abha();
    isha[IshaTime] = TimeValue{1, Hms(0, 30)};
    Check(isha, {"Isha next day, 11:50 PM", Hms(23, 50), L::Label6, L::Label5, "( - 0:40 hrs)", L::Label6});

    TodayTimes fajr = Abha();
    fajr[FajrTime] = TimeValue{-1, Hms(23, 30)};
    Check(fajr, {"Fajr day before, 0:10", Hms(0, 10), L::None, L::Label2, "( - 6:19 hrs)", L::Label2});

    TodayTimes far = Abha();
    far[FajrTime] = TimeValue{1, Hms(5, 7)};
    Check(far, {"Fajr a day ahead", Hms(5, 7), L::Label2, L::None, "( - 24:00 hrs)", L::Label2});
}

TEST(DayDisplayTest, NoTimesMeansNothingAhead) {
    Check(TodayTimes{}, {"no record", Hms(0, 0), L::None, L::Label6, "", L::None});
    Check(TodayTimes{}, {"no record", Hms(10, 0), L::None, L::Label6, "", L::None});
    TodayTimes noFajr = Abha();
    noFajr[FajrTime].reset();
    Check(noFajr, {"no Fajr", Hms(1, 0), L::None, L::Label2, "( - 5:29 hrs)", L::Label2});
}

TEST(CalcTimeLeftTest, Table) {
    const std::pair<long long, const char*> cases[] = {
        {0, "0:00"},    {5, "0:05"},     {59, "0:59"},     {60, "1:00"},    {70, "1:10"},
        {135, "2:15"},  {600, "10:00"},  {1439, "23:59"},  {1440, "24:00"}, {1500, "25:00"},
        {6000, "00:00"}, {6059, "00:59"},
    };
    for (const auto& [minutes, text] : cases) EXPECT_EQ(CalcTimeLeft(minutes), text) << minutes;
}

TEST(DayHeadingTest, CityAndDate) {
    EXPECT_EQ(DayHeading("Abha", {2026, 12, 9}), "Prayer times in Abha  on\r9 Dec 2026\r\r");
    EXPECT_EQ(DayHeading("", {2026, 1, 31}), "Prayer times in   on\r31 Jan 2026\r\r");
}

}  // namespace
}  // namespace announcer

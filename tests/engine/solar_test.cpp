#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/day_line.h"
#include "engine/solar.h"

namespace engine {
namespace {

std::vector<DayEvents> Year(double latitude, double longitude, double timeZone, int asrFactor) {
    std::vector<DayEvents> days;
    ComputeYear(latitude, longitude, timeZone, asrFactor, [&](const DayEvents& d) { days.push_back(d); });
    return days;
}

struct WorkedDay {
    const char* place;
    double latitude, longitude, timeZone;
    int asrFactor, dayNo;
    std::array<double, 6> clock;
    std::array<const char*, 6> field;
};

TEST(ComputeYear, WorkedDaysHoldExactly) {
    const WorkedDay cases[] = {
        // clang-format off
        {"Makkah", 21.4225, 39.8262, 3, 1, 1, {5.34, 6.58, 12.24, 3.29, 5.49, 7.18},
         {"  5.34", "  6.58", " 12.24", "  3.29", "  5.49", "  7.18"}},
        {"London", 51.5, -0.12, 0, 1, 172, {1.55, 3.42, 12.02, 4.25, 8.22, 11.06},
         {"  1.55", "  3.42", " 12.02", "  4.25", "  8.22", " 11.06"}},
        // The place is floored to thousandths, away from zero when negative: -37.0005
        // becomes -37.001, past 37, so Fajr and Isha take 13.5 and 17 (not 19 and 20).
        {"South of 37", -37.0005, 145, 10, 1, 172, {6.23, 7.32, 12.21, 2.53, 5.10, 6.38},
         {"  6.23", "  7.32", " 12.21", "  2.53", "  5.10", "  6.38"}},
        // Caracas's -66.9166 becomes -66.917: Fajr lies a tenth of a second past 4:43
        // (at -66.916 it would fall a tenth of a second short of it).
        {"Caracas", 10.5, -66.9166, -4, 1, 161, {4.43, 6.05, 12.27, 3.53, 6.49, 8.16},
         {"  4.43", "  6.05", " 12.27", "  3.53", "  6.49", "  8.16"}},
        // Polar night: the horizon and Asr clamp to 19 seconds either side of noon.
        {"Tromso night", 69.65, 18.96, 1, 1, 1, {8.15, 11.47, 11.47, 11.47, 11.47, 4.02},
         {"  8.15", " 11.47", " 11.47", " 11.47", " 11.47", "  4.02"}},
        // Polar day: morning events pin to 0.01, evening ones fall at 23.7556 hours.
        {"Tromso day", 69.65, 18.96, 1, 1, 172, {0.01, 0.01, 11.46, 4.58, 11.45, 11.45},
         {"   .01", "   .01", " 11.46", "  4.58", " 11.45", " 11.45"}},
        // clang-format on
    };
    for (const WorkedDay& c : cases) {
        const auto days = Year(c.latitude, c.longitude, c.timeZone, c.asrFactor);
        ASSERT_EQ(days.size(), 366u);
        const DayEvents& d = days[static_cast<std::size_t>(c.dayNo - 1)];
        EXPECT_EQ(d.dayNo, c.dayNo);
        for (int p = 0; p < 6; ++p) {
            EXPECT_NEAR(d.clock[p], c.clock[p], 1e-9) << c.place << " prayer " << p;
            EXPECT_EQ(d.field[p], c.field[p]) << c.place << " prayer " << p;
        }
    }
}

TEST(ComputeYear, TwoShadowLengthsMoveOnlyAsrLater) {
    const auto one = Year(21.4225, 39.8262, 3, 1);
    const auto two = Year(21.4225, 39.8262, 3, 2);
    for (std::size_t i = 0; i < one.size(); ++i) {
        for (int p : {Fajr, Tulu, Zuhr, Maghrib, Isha}) EXPECT_EQ(one[i].clock[p], two[i].clock[p]);
        EXPECT_GT(two[i].clock[Asr], one[i].clock[Asr]);
    }
    EXPECT_EQ(two[0].field[Asr], "  4.14");
}

TEST(ComputeYear, DaysOfTheLeapYear2000) {
    const auto days = Year(0, 0, 0, 1);
    struct Case {
        int dayNo, month, day;
    } cases[] = {{1, 1, 1}, {31, 1, 31}, {32, 2, 1}, {60, 2, 29}, {61, 3, 1}, {172, 6, 20}, {366, 12, 31}};
    for (const Case& c : cases) {
        const DayEvents& d = days[static_cast<std::size_t>(c.dayNo - 1)];
        EXPECT_EQ(d.dayNo, c.dayNo);
        EXPECT_EQ(d.month, c.month) << c.dayNo;
        EXPECT_EQ(d.day, c.day) << c.dayNo;
    }
}

TEST(TwilightAngles, StrictBandsOnTheTruncatedLatitude) {
    struct Case {
        double latitude, fajr, isha;
    } cases[] = {
        // clang-format off
        {0, 19, 20},     {37, 19, 20},     {37.001, 13.5, 17}, {-37.001, 13.5, 17}, {41, 13.5, 17},
        {41.5, 13, 16.5}, {45, 13, 16.5},  {45.5, 12, 15},     {50, 12, 15},        {50.5, 11, 14},
        {55, 11, 14},     {55.001, 10, 13}, {-89, 10, 13},
        // clang-format on
    };
    for (const Case& c : cases) {
        const TwilightAngles a = TwilightAnglesFor(c.latitude);
        EXPECT_EQ(a.fajr, c.fajr) << c.latitude;
        EXPECT_EQ(a.isha, c.isha) << c.latitude;
    }
    // 37.0009 is truncated to 37.000 before the bands, so it keeps 19 and 20:
    // its year equals that of 37 itself, while 37.001 moves Fajr and Isha.
    const auto at37 = Year(37, 10, 1, 1);
    const auto truncated = Year(37.0009, 10, 1, 1);
    const auto above = Year(37.001, 10, 1, 1);
    EXPECT_EQ(truncated[0].clock, at37[0].clock);
    EXPECT_NE(above[0].clock[Fajr], at37[0].clock[Fajr]);
}

// An altitude the sun never reaches is clamped to an hour angle of 0.0054019 hours
// (19 seconds) beside noon; one it never leaves, to the same beside midnight.
TEST(ComputeYearHours, AltitudesNeverReachedClampBesideNoonOrMidnight) {
    std::vector<DayHours> tromso;
    ComputeYearHours(69.65, 18.96, 1, 1, [&](const DayHours& d) { tromso.push_back(d); });
    ASSERT_EQ(tromso.size(), 366u);

    const auto& night = tromso[0].hours;  // 1 Jan: the sun never rises
    EXPECT_NEAR(night[Zuhr] - night[Tulu], 0.0054019, 1e-7);
    EXPECT_NEAR(night[Asr] - night[Zuhr], 0.0054019, 1e-7);
    EXPECT_NEAR(night[Maghrib] - night[Zuhr], 0.0054019, 1e-7);

    const auto& day = tromso[171].hours;  // 20 Jun: the sun never sets, nor does twilight begin
    EXPECT_NEAR(day[Zuhr] - day[Fajr], 11.9945981, 1e-7);
    EXPECT_NEAR(day[Zuhr] - day[Tulu], 11.9945981, 1e-7);
    EXPECT_NEAR(day[Maghrib] - day[Zuhr], 11.9945981, 1e-7);
    EXPECT_NEAR(day[Isha] - day[Zuhr], 11.9945981, 1e-7);
}

TEST(ToClockValue, TwelveHourValues) {
    struct Case {
        double t, v;
    } cases[] = {
        // clang-format off
        {5.1234, 5.07}, {12.994, 1.00}, {12.99, 12.59}, {0.7, 0.42},  {0.005, 0.01}, {-3, 0.01},
        {23.999, 11.59}, {0.01, 0.01},  {13.0, 1.00},   {12.0, 12.00}, {23.7556, 11.45},
        {std::numeric_limits<double>::quiet_NaN(), 0.01}, {INFINITY, 11.59}, {-INFINITY, 0.01}, {1e306, 11.59},
        // clang-format on
    };
    for (const Case& c : cases) EXPECT_NEAR(ToClockValue(c.t), c.v, 1e-9) << c.t;
}

// Absurd places still give 366 days of readable lines, and nothing undefined
// happens on the way (the sanitizer run checks the latter).
TEST(ComputeYear, AbsurdInputsGiveSomeResult) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double absurd[] = {1e306, -1e306, nan, INFINITY, -INFINITY, 0, 91, -1000};
    for (double a : absurd) {
        for (double b : absurd) {
            int count = 0;
            ComputeYear(a, b, a, 1, [&](const DayEvents& d) {
                ++count;
                const std::string line = CalculatorDayLine(d);
                EXPECT_GE(line.size(), 81u);
                EXPECT_LE(line.size(), 84u);
            });
            EXPECT_EQ(count, 366);
        }
    }
    int count = 0;
    ComputeYear(21.4, 39.8, 3, 1000000, [&](const DayEvents&) { ++count; });
    ComputeYear(21.4, 39.8, 3, -2147483647, [&](const DayEvents&) { ++count; });
    EXPECT_EQ(count, 732);
}

}  // namespace
}  // namespace engine

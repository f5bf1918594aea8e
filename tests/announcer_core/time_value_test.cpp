#include "announcer/core/time_value.h"

#include "abha_times.h"

#include <gtest/gtest.h>

namespace announcer {
namespace {

using announcer_test::Hms;

TEST(TimeValueTest, TextsOfTimes) {
    EXPECT_EQ(TimeValueText({0, Hms(5, 7)}), "5:07:00 AM");
    EXPECT_EQ(TimeValueText({1, Hms(0, 30)}), "12/31/1899 12:30:00 AM");
    EXPECT_EQ(TimeValueText({-1, Hms(23, 30)}), "12/29/1899 11:30:00 PM");
    EXPECT_EQ(TimeValueText({2, Hms(12, 0)}), "1/1/1900 12:00:00 PM");
}

TEST(TimeValueTest, DayNumbersAreTheToolkitsCount) {
    EXPECT_EQ(DayOfDate({1899, 12, 30}), 0);
    EXPECT_EQ(DayOfDate({1900, 3, 1}), 61);  // 1900 is no leap year
    EXPECT_EQ(DayOfDate({2000, 1, 1}), 36526);
    EXPECT_EQ(ShortDate(DayOfDate({2026, 12, 9})), "12/9/2026");
    EXPECT_EQ(ShortDate(DayOfDate({100, 1, 1})), "1/1/100");
    EXPECT_EQ(DayOfDate({9999, 12, 31}), 2958465);
    EXPECT_EQ(TotalMinutes({1, Hms(0, 30) + 59}), 1470);
    EXPECT_EQ(TotalMinutes({-1, Hms(23, 30)}), -30);
}

}  // namespace
}  // namespace announcer

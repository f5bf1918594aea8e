#include "announcer/core/today_times.h"

#include "abha_times.h"

#include <gtest/gtest.h>

#include <optional>

namespace announcer {
namespace {

constexpr auto Abha = announcer_test::AbhaTimes;

TEST(TodayTimesTest, TextsOfTheSixTimes) {
    EXPECT_EQ(TodayTimeText(std::nullopt), "");
    EXPECT_EQ(MakeTodayTimeTexts(Abha()),
              (TodayTimeTexts{"5:07 AM", "6:29 AM", "12:15 PM", "3:30 PM", "5:55 PM", "7:15 PM"}));
    EXPECT_EQ(MakeTodayTimeTexts(TodayTimes{}), TodayTimeTexts{});
    EXPECT_EQ(TodayTimeText(TimeValue{0, 0}), "12:00 AM");
}

}  // namespace
}  // namespace announcer

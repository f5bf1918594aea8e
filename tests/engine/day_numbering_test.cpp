#include <gtest/gtest.h>

#include "engine/day_numbering.h"

namespace engine {
namespace {

TEST(DayNumbering, FebruaryAlwaysHas29Days) {
    struct Case {
        int month, day, dayNo;
    } cases[] = {{1, 1, 1}, {2, 29, 60}, {3, 1, 61}, {6, 20, 172}, {12, 31, 366}, {7, 1, 183}};
    for (const Case& c : cases) EXPECT_EQ(LeapDayNo(c.month, c.day), c.dayNo);
}

}  // namespace
}  // namespace engine

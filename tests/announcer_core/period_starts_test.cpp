#include "announcer/core/period_starts.h"

#include <gtest/gtest.h>

#include <vector>

namespace announcer {
namespace {

TEST(PeriodStarts, AnchorDaysOfEachKind) {
    const auto& weekly = PeriodStarts(PeriodKind::Weekly);
    ASSERT_EQ(weekly.size(), 53u);
    EXPECT_EQ(weekly.front(), 1);
    EXPECT_EQ(weekly[1], 8);
    EXPECT_EQ(weekly.back(), 365);

    // The first days of the months with February at 29 days.
    EXPECT_EQ(PeriodStarts(PeriodKind::Monthly),
              (std::vector<int>{1, 32, 61, 92, 122, 153, 183, 214, 245, 275, 306, 336}));

    EXPECT_EQ(PeriodStarts(PeriodKind::Quarterly), (std::vector<int>{1, 92, 183, 275}));
    EXPECT_STREQ(PeriodKindNames[1], "Monthly");
}

}  // namespace
}  // namespace announcer

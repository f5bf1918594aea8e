#include "announcer/core/format_fixed_down.h"

#include <gtest/gtest.h>

namespace announcer {
namespace {

TEST(RoundDownTest, CutsTowardMinusInfinity) {
    EXPECT_DOUBLE_EQ(RoundDown(0.98333, 2), 0.98);
    EXPECT_DOUBLE_EQ(RoundDown(-3.257, 2), -3.26);
    EXPECT_DOUBLE_EQ(RoundDown(2.3, 2), 2.29);  // 2.3 x 100 is 229.99999999999997
    EXPECT_DOUBLE_EQ(RoundDown(723, 2), 723);
}

TEST(FormatFixedDownTest, Table) {
    struct Case {
        double value;
        const char* text;
        double after;
    };
    const Case cases[] = {
        {0, "    0.00", 0},       {723, "  723.00", 723},   {0.98333, "     .98", 0.98},    {12.5, "   12.50", 12.5},
        {1438, " 1438.00", 1438}, {-0.5, "    -.50", -0.5}, {123456, " 123456.00", 123456},
    };
    for (const auto& c : cases) {
        double v = c.value;
        EXPECT_EQ(FormatFixedDown(v, 5, 2), c.text) << c.value;
        EXPECT_DOUBLE_EQ(v, c.after) << c.value;
    }
}

}  // namespace
}  // namespace announcer

#include "desktop/volume.h"

#include <gtest/gtest.h>

namespace {

TEST(Volume, HundredthsOfDecibelBecomeAnAmplitudeRatio) {
    struct Case {
        int hundredths;
        double linear;
    };
    const Case cases[] = {
        {0, 1.0},              // full
        {-1500, 0.177827941},  // "Volume = Medium"
        {-2000, 0.1},
        {-2500, 0.0562341325},  // "Volume = Low"
        {-10000, 1e-5},
        {600, 1.0},  // louder than full is full
    };
    for (const Case& c : cases) EXPECT_NEAR(desktop::linearVolume(c.hundredths), c.linear, 1e-9) << c.hundredths;
}

TEST(Volume, StaysWithinZeroAndOne) {
    EXPECT_GE(desktop::linearVolume(-2147483647 - 1), 0.0);
    EXPECT_LE(desktop::linearVolume(2147483647), 1.0);
}

}  // namespace

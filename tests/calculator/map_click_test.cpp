// The world-map picker's click arithmetic: a point on the map to a place and its qibla.
#include "calculator/map_click.h"
#include "engine/qibla.h"

#include <gtest/gtest.h>

namespace calculator {
namespace {

// The worked example's window: outer size 10920 x 5220 twips, so the map is 4720 high.
constexpr float ExampleWidth = 10920;
constexpr float ExampleHeight = 5220;

TEST(MapClick, WorkedExample) {
    const MapPick pick = PickMapPoint(6600, 1800, ExampleWidth, ExampleHeight);
    EXPECT_EQ(pick.latitudeText, " 21.36");
    EXPECT_EQ(pick.longitudeText, " 37.58");
    EXPECT_FLOAT_EQ(pick.latitude, 21.36f);  // rounded in place
    EXPECT_FLOAT_EQ(pick.longitude, 37.58f);
    EXPECT_NEAR(pick.bearing, 85.8060, 0.00005);
    EXPECT_NEAR(pick.needle.x, 1847.9, 0.05);
    EXPECT_NEAR(pick.needle.y, 2071.6, 0.05);
}

TEST(MapClick, EdgesAndClamps) {
    struct Case {
        float x, y;
        const char* latitude;
        const char* longitude;
    };
    const Case cases[] = {
        {0, 1800, " 21.36", "-180.00"},      // left edge
        {6600, 0, " 90.00", " 37.58"},       // top edge
        {6600, 4720, "-90.00", " 37.58"},    // the foot of the counted height
        {6600, 5000, "-90.00", " 37.58"},    // below it: held at -90
        {11500, 1800, " 21.36", " 180.00"},  // past the outer width: held at 180
        {5460, 2360, "  0.00", "  0.00"},    // the middle
        {5470, 2370, "  -.38", "   .33"},    // below 1: no "0" before the point
    };
    for (const Case& c : cases) {
        const MapPick pick = PickMapPoint(c.x, c.y, ExampleWidth, ExampleHeight);
        EXPECT_EQ(pick.latitudeText, c.latitude) << c.x << ", " << c.y;
        EXPECT_EQ(pick.longitudeText, c.longitude) << c.x << ", " << c.y;
    }
}

TEST(MapClick, NeedleFollowsTheBearing) {
    const NeedleEnd up = NeedleEndFor(0);
    EXPECT_NEAR(up.x, 1050, 0.5);
    EXPECT_NEAR(up.y, 1330, 0.001);
    const NeedleEnd east = NeedleEndFor(90);
    EXPECT_NEAR(east.x, 1850, 0.001);
    EXPECT_NEAR(east.y, 2130, 0.5);
    const NeedleEnd south = NeedleEndFor(180);
    EXPECT_NEAR(south.x, 1050, 0.5);
    EXPECT_NEAR(south.y, 2930, 0.001);
}

TEST(MapClick, KaabaMeridianPointsUpAtAnyLatitude) {
    // x = 6670.3 on the example window is 39.90 E once rounded.
    for (float y : {0.0f, 600.0f, 1800.0f, 2900.0f, 4700.0f}) {
        const MapPick pick = PickMapPoint(6670.3f, y, ExampleWidth, ExampleHeight);
        ASSERT_EQ(pick.longitudeText, " 39.90") << y;
        EXPECT_EQ(pick.bearing, 0) << y;
        EXPECT_NEAR(pick.needle.x, 1050, 0.5) << y;
        EXPECT_NEAR(pick.needle.y, 1330, 0.001) << y;
    }
}

TEST(MapClick, QiblaUsesTheRoundedValues) {
    // 26.2849 shows as 26.28, and the needle turns for 26.28, not 26.2849.
    const float y = (90.0f - 26.2849f) * 4300.0f / 180.0f;        // a 10800 x 4800 window: map 4300 high
    const MapPick pick = PickMapPoint(7804.17f, y, 10800, 4800);  // 80.139 E
    ASSERT_EQ(pick.latitudeText, " 26.28");
    ASSERT_EQ(pick.longitudeText, " 80.14");
    double raw = 0, bearing = 0;
    engine::CalcQibla(26.28, 80.14, raw, bearing);
    EXPECT_NEAR(pick.bearing, bearing, 1e-9);
    engine::CalcQibla(26.2849, 80.139, raw, bearing);
    EXPECT_GT(std::abs(pick.bearing - bearing), 1e-4);
}

}  // namespace
}  // namespace calculator

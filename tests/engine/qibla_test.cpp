#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/qibla.h"

namespace engine {
namespace {

TEST(CalcQibla, WorkedBearings) {
    struct Case {
        double latitude, longitude, raw, bearing;
    } cases[] = {
        {30.05, 31.25, 44.3131, 135.6869},
        {26.28, 50.11, -65.0413, 245.0413},
        {40.75, -74, -58.3817, 58.3817},
        {-6.15, 106.816, 64.7590, 295.2410},
        {-33.916, 18.366, -23.4556, 23.4556},
        {0, 0, -58.4438, 58.4438},
        {21.35, -157.83, 23.0997, 156.9003},
        {21.5, 39.9, 0, 0},
        {-10, 39.9, 0, 0},
    };
    for (const Case& c : cases) {
        double raw = -1, bearing = -1;
        CalcQibla(c.latitude, c.longitude, raw, bearing);
        EXPECT_NEAR(raw, c.raw, 0.00005) << c.latitude << ", " << c.longitude;
        EXPECT_NEAR(bearing, c.bearing, 0.00005) << c.latitude << ", " << c.longitude;
    }
}

TEST(CalcQibla, AbsurdInputsGiveSomeBearing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {1e306, -1e306, nan, double(INFINITY), -double(INFINITY)}) {
        double raw = 0, bearing = -1;
        CalcQibla(v, v, raw, bearing);
        EXPECT_FALSE(bearing < 0 || bearing >= 360) << v;
    }
}

TEST(QiblaNeedleEnd, PointsByTheBearing) {
    struct Case {
        double bearing, dx, dy;
    };
    // y grows downwards: up is -800.
    const Case cases[] = {{0, 0, -800}, {90, 800, 0}, {180, 0, 800}, {270, -800, 0}};
    for (const auto& c : cases) {
        const NeedleEnd end = QiblaNeedleEnd(4560, 1020, c.bearing);
        EXPECT_NEAR(end.x - 4560, c.dx, 0.5) << c.bearing;
        EXPECT_NEAR(end.y - 1020, c.dy, 0.5) << c.bearing;
        EXPECT_NEAR(std::hypot(end.x - 4560, end.y - 1020), 800, 1e-9);
    }
    const NeedleEnd abha = QiblaNeedleEnd(4560, 1020, 323.46);
    EXPECT_EQ(std::lround(abha.x - 4560), -476);
    EXPECT_EQ(std::lround(abha.y - 1020), -643);
}

}  // namespace
}  // namespace engine

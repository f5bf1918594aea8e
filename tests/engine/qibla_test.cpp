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
      {30.05, 31.25, 44.3131, 135.6869},   {26.28, 50.11, -65.0413, 245.0413}, {40.75, -74, -58.3817, 58.3817},
      {-6.15, 106.816, 64.7590, 295.2410}, {-33.916, 18.366, -23.4556, 23.4556}, {0, 0, -58.4438, 58.4438},
      {21.35, -157.83, 23.0997, 156.9003}, {21.5, 39.9, 0, 0},                  {-10, 39.9, 0, 0},
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

}  // namespace
}  // namespace engine

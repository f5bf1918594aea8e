#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/computable_year.h"

namespace engine {
namespace {

TEST(IsComputableYear, RefusesOnlyNumbersThatGiveNoTimes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        double latitude, longitude, timeZone;
        int asrFactor;
        bool computable;
    } cases[] = {
        {"Makkah", 21.4225, 39.8262, 3, 1, true},
        {"Makkah, two shadow lengths", 21.4225, 39.8262, 3, 2, true},
        {"London", 51.5, -0.12, 0, 1, true},
        // Polar day and night pin events to the day's ends: still a year.
        {"Tromso", 69.65, 18.96, 1, 1, true},
        {"South pole", -89.9, 0, 0, 2, true},
        // Out of range yet computable, as they always were.
        {"latitude 95", 95, 39.8, 3, 1, true},
        {"longitude 200", 21.4, 200, 3, 1, true},
        {"longitude -200", 21.4, -200, 3, 1, true},
        {"latitude 1e6", 1e6, 39.8, 3, 1, true},
        {"latitude -1e6", -1e6, 39.8, 3, 1, true},
        // Here the time zone keeps every event within a day of its own from -25 to +30 hours.
        {"time zone 30", 21.4225, 39.8262, 30, 1, true},
        {"time zone 36", 21.4225, 39.8262, 36, 1, false},
        {"time zone -24", 21.4225, 39.8262, -24, 1, true},
        {"time zone -30", 21.4225, 39.8262, -30, 1, false},
        {"longitude 400", 21.4225, 400, 3, 1, true},
        {"longitude 500", 21.4225, 500, 3, 1, false},
        {"longitude -400", 21.4225, -400, 3, 1, false},
        {"longitude 1e6", 21.4, 1e6, 3, 1, false},
        {"time zone 1e6", 21.4, 39.8, 1e6, 1, false},
        // The latitude times 1000 overflows past about 1.797e305.
        {"latitude 1.7e305", 1.7e305, 39.8, 3, 1, true},
        {"latitude 1.8e305", 1.8e305, 39.8, 3, 1, false},
        {"latitude 1e308", 1e308, 42.517, 3, 1, false},
        {"latitude -1e308", -1e308, 42.517, 3, 1, false},
        {"longitude 1e308", 18.233, 1e308, 3, 1, false},
        {"longitude -1e308", 18.233, -1e308, 3, 1, false},
        {"time zone 1e308", 18.233, 42.517, 1e308, 1, false},
        {"time zone -1e308", 18.233, 42.517, -1e308, 1, false},
        {"no number", nan, 39.8, 3, 1, false},
        {"infinity", 21.4, INFINITY, 3, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsComputableYear(c.latitude, c.longitude, c.timeZone, c.asrFactor), c.computable) << c.what;
}

}  // namespace
}  // namespace engine

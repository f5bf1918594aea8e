#include "announcer/core/place_captions.h"

#include <gtest/gtest.h>

namespace announcer {
namespace {

TEST(PlaceCaptionsTest, Abha) {
    const auto c = MakePlaceCaptions("Abha", 18.233, 42.517, 3);
    EXPECT_EQ(c.city, "City: Abha");
    EXPECT_EQ(c.latitude, "Latitude : 18.233 N");
    EXPECT_EQ(c.longitude, "Longitude: 42.517 E");
    EXPECT_EQ(c.timeZone, "Timezone : GMT + 3 hrs");
    EXPECT_EQ(c.qiblah, "Qiblah");
}

TEST(PlaceCaptionsTest, SignsZerosAndFractions) {
    struct Case {
        double lat, lon, zone;
        const char* latText;
        const char* lonText;
        const char* zoneText;
    };
    const Case cases[] = {
        {0, 0, 0, "Latitude : 0 S", "Longitude: 0 W", "Timezone : GMT + 0 hrs"},
        {-33.9, -58.4, -3, "Latitude : 33.9 S", "Longitude: 58.4 W", "Timezone : GMT - 3 hrs"},
        {-34.6917, 138.533, 9.5, "Latitude : 34.6917 S", "Longitude: 138.533 E", "Timezone : GMT + 9.5 hrs"},
        {0.5, 0.25, 0.5, "Latitude : .5 N", "Longitude: .25 E", "Timezone : GMT + .5 hrs"},
        {10, 20, -3.5, "Latitude : 10 N", "Longitude: 20 E", "Timezone : GMT - 3.5 hrs"},
        {10, 20, 5.5, "Latitude : 10 N", "Longitude: 20 E", "Timezone : GMT + 5.5 hrs"},
        {10, 20, -0.5, "Latitude : 10 N", "Longitude: 20 E", "Timezone : GMT - .5 hrs"},
    };
    for (const auto& c : cases) {
        const auto captions = MakePlaceCaptions("X", c.lat, c.lon, c.zone);
        EXPECT_EQ(captions.latitude, c.latText);
        EXPECT_EQ(captions.longitude, c.lonText);
        EXPECT_EQ(captions.timeZone, c.zoneText);
    }
}

}  // namespace
}  // namespace announcer

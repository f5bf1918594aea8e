// The place captions (Label10(0)..Label10(4)).
#pragma once

#include <string>

namespace announcer {

struct PlaceCaptions {
    std::string city;       // "City: Abha"
    std::string latitude;   // "Latitude : 18.233 N", "Latitude : 0 S"
    std::string longitude;  // "Longitude: 42.517 E", "Longitude: 0 W"
    std::string timeZone;   // "Timezone : GMT + 3 hrs", "Timezone : GMT - 3.5 hrs", "Timezone : GMT + .5 hrs"
    std::string qiblah;     // "Qiblah"
};

PlaceCaptions MakePlaceCaptions(const std::string& cityName, double latitude, double longitude, double timeZone);

}  // namespace announcer

// The place captions (Label10(0)..Label10(4)) and the qiblah needle's end point.
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

PlaceCaptions MakePlaceCaptions(const std::string& cityName, double latitude, double longitude,
                                double timeZone);

// The needle is 800 twips long from its fixed start (x1, y1); y grows
// downwards. a = (450 - bearing) x 3.1415 / 180; x2 = x1 + 800 cos a,
// y2 = y1 - 800 sin a. Up for 0, right for 90, down for 180, left for 270.
struct NeedleEnd {
    double x2;
    double y2;
};
NeedleEnd QiblahNeedleEnd(double x1, double y1, double qiblahDirection);

}  // namespace announcer

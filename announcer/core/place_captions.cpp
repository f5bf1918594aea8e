#include "announcer/core/place_captions.h"

#include "engine/print_form.h"

#include <cmath>

namespace announcer {

PlaceCaptions MakePlaceCaptions(const std::string& cityName, double latitude, double longitude, double timeZone) {
    PlaceCaptions c;
    c.city = "City: " + cityName;
    // Only a sign of +1 is north or east: exactly 0 shows S and W.
    c.latitude = "Latitude :" + engine::PrintForm(std::fabs(latitude)) + (latitude > 0 ? " N" : " S");
    c.longitude = "Longitude:" + engine::PrintForm(std::fabs(longitude)) + (longitude > 0 ? " E" : " W");
    if (timeZone < 0)
        c.timeZone = "Timezone : GMT -" + engine::PrintForm(-timeZone) + " hrs";
    else
        c.timeZone = "Timezone : GMT +" + engine::PrintForm(std::fabs(timeZone)) + " hrs";
    c.qiblah = "Qiblah";
    return c;
}

}  // namespace announcer

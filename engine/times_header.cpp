#include "engine/times_header.h"

#include "engine/city_line.h"
#include "engine/format_fixed.h"
#include "engine/print_form.h"

namespace engine {

namespace {
constexpr std::size_t kZoneWidth = 14;
}

std::string PrintZones(const std::vector<std::string>& texts) {
    std::string line;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) {
            // The next zone start after the text, so that two values never touch.
            const std::size_t next = (line.size() / kZoneWidth + 1) * kZoneWidth;
            line.append(next - line.size(), ' ');
        }
        line += texts[i];
    }
    return line;
}

std::vector<std::string> CalculatorHeaderLines(HeaderValues v) {
    return {
        CityLine(v.cityText),
        "# Qiblah direction clockwise from North (in degrees): ",
        FormatFixed(v.qiblaBearing, 4, 2),
        "# City Latitude Longitude and Timezone (from GMT):   ",
        PrintZones({PrintForm(v.latitude), PrintForm(v.longitude), PrintForm(v.timeZone)}),
        "# File created on: " + v.createdDate + "   " + v.createdTime,
        "# Asr times correspond to " + PrintForm(v.asrFactor) + "-shadow-length criteria",
        "# Calculated prayer times are approximate and slight deviations are possible.",
        "# Degree of accuracy is of the order of +/- 5 minutes.",
        "#",
        "# DayNo # Date # Fajr # Tulu # Zuhr # Asr # Maghrib # Isha",
        "#",
    };
}

}  // namespace engine

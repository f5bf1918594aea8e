#pragma once

#include <array>
#include <string>

namespace engine {

enum Prayer { Fajr, Tulu, Zuhr, Asr, Maghrib, Isha };

// One day of the computed year: the six times as 12-hour clock values (5.07 is 5:07)
// and as their fixed-width fields ("  5.07").
struct DayEvents {
    int dayNo = 0;  // 1..366
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    std::array<double, 6> clock{};
    std::array<std::string, 6> field;
};

}  // namespace engine

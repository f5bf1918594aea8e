#include "announcer/core/daylight_saving.h"

#include "engine/leading_number.h"

#include <cmath>

namespace announcer {

namespace {

// The calendar the toolkit's dates cover: 1 Jan 100 to 31 Dec 9999.
const long long FirstDay = DayOfDate(CivilDate{100, 1, 1});
const long long LastDay = DayOfDate(CivilDate{9999, 12, 31});

}  // namespace

double DstHours(std::string_view boxText) { return engine::LeadingNumber(boxText); }

bool ShiftTime(TimeValue& t, double hours) {
    const double minutes = std::nearbyint(hours * 60.0);  // half to even
    if (!std::isfinite(minutes)) return false;
    // Far beyond the calendar's whole span: refuse before any integer arithmetic.
    constexpr double CalendarMinutes = 1.0e13;
    if (std::fabs(minutes) > CalendarMinutes) return false;
    const long long total =
        static_cast<long long>(t.day) * SecondsPerDay + t.seconds + static_cast<long long>(minutes) * 60;
    long long day = total / SecondsPerDay;
    long long seconds = total % SecondsPerDay;
    if (seconds < 0) {
        seconds += SecondsPerDay;
        --day;
    }
    if (day < FirstDay || day > LastDay) return false;
    t.day = static_cast<int>(day);
    t.seconds = static_cast<int>(seconds);
    return true;
}

bool ApplyDST(TodayTimes& times, std::string_view boxText) {
    for (auto& t : times) {
        const double hours = DstHours(boxText);  // read afresh for each time, as the box is
        if (!t) continue;
        if (!ShiftTime(*t, hours)) return false;
    }
    return true;
}

}  // namespace announcer

#include "engine/computable_year.h"

#include <cmath>

#include "engine/qibla.h"
#include "engine/solar.h"

namespace engine {
namespace {

// The 12-hour step pins an event of the day before to the start of the day and one of
// the day after to its end. An hour further away, or no number at all, is no time of
// the day: pinned, it would only look like one.
constexpr double kStartOfDayBefore = -24;
constexpr double kEndOfDayAfter = 48;

bool IsNearTheDay(double hours) { return hours >= kStartOfDayBefore && hours < kEndOfDayAfter; }

}  // namespace

bool IsComputableYear(double latitude, double longitude, double timeZone, int asrFactor) {
    double rawAngle = 0;
    double bearing = 0;
    CalcQibla(latitude, longitude, rawAngle, bearing);
    if (!std::isfinite(rawAngle)) return false;

    bool computable = true;
    ComputeYearHours(latitude, longitude, timeZone, asrFactor, [&](const DayHours& day) {
        for (double hours : day.hours)
            if (!IsNearTheDay(hours)) computable = false;
    });
    return computable;
}

}  // namespace engine

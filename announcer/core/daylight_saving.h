// The daylight-saving shift of today's six times by the hours typed in the box.
#pragma once

#include "announcer/core/today_times.h"

#include <string_view>

namespace announcer {

// The box's hours by the leading-number rule ("1.5x" = 1.5, "" = 0, "-" = 0).
double DstHours(std::string_view boxText);

// Shifts one time by the hours: hours x 60 minutes rounded to whole minutes
// (a half goes to the even neighbour); past midnight the day offset moves.
// False, and the time untouched, when the hours are NaN or too large to
// multiply or the result would leave the years 100..9999.
bool ShiftTime(TimeValue& t, double hours);

// Shifts the six times in order, reading the hours from the box text. Stops at
// the first time that cannot be shifted: the ones before keep their shift, the
// rest keep their values, and the result is false (the caller then does not
// remake the texts or the sunrise caption). No time stays no time.
bool ApplyDST(TodayTimes& times, std::string_view boxText);

}  // namespace announcer

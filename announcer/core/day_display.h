// The day display's choice: which prayer's time is the next, which the current
// one, and beside which the time-left marker goes with what caption.
#pragma once

#include "announcer/core/today_times.h"

#include <optional>
#include <string>

namespace announcer {

// Each is a prayer's index in TodayTimes, never Sunrise's; none = no prayer.
struct DayDisplay {
    std::optional<TimeIndex> next;
    std::optional<TimeIndex> current;       // every other prayer's normal
    std::string markerCaption;              // "( - 2:15 hrs)", or empty after the last time
    std::optional<TimeIndex> markerBeside;  // the prayer whose row the marker takes; none = do not move
};

// A time is still ahead while (now in whole minutes) - (time in whole minutes,
// its day offset counting 1440 a day) < 0; at the prayer's minute it has begun.
// The first of the six still ahead picks the row; no time is never ahead.
DayDisplay ChooseDayDisplay(int nowSecondsOfDay, const TodayTimes& times);

// The marker's "h:mm": hours (the last two digits from 100 on), two-digit
// minutes: 0 "0:00", 135 "2:15", 1500 "25:00", 6000 "00:00".
std::string CalcTimeLeft(long long minutes);

// The heading: "Prayer times in " city "  on", CR, "9 Dec 2026", CR CR.
std::string DayHeading(const std::string& cityName, const CivilDate& today);

}  // namespace announcer

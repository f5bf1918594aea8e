// The day display's choice: which time label is the next prayer, which the
// current one, and where the time-left marker goes with what caption.
#pragma once

#include "announcer/core/today_times.h"

#include <string>

namespace announcer {

// The window's five time labels (Sunrise has none among them).
enum class TimeLabel { None, Label2 /*Fajr*/, Label3 /*Zuhr*/, Label4 /*Asr*/, Label5 /*Maghrib*/, Label6 /*Isha*/ };

struct DayDisplay {
    TimeLabel next = TimeLabel::None;     // text colour 16576
    TimeLabel current = TimeLabel::None;  // text colour 32768; every other label normal
    std::string markerCaption;            // "( - 2:15 hrs)", or empty after the last time
    TimeLabel markerBeside = TimeLabel::None;  // the label whose Top the marker takes; None = do not move
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

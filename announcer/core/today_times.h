// Today's six times in the order Fajr, Sunrise (Tulu), Zuhr, Asr, Maghrib, Isha
// (engine::Prayer order), with the daylight-saving hours applied.
// An element without a value has no time: nothing was read for it (no record
// yet, an empty field, or a reading that stopped before today's record). Such
// a prayer is never "ahead", never starts a call and shows an empty text.
#pragma once

#include "announcer/core/time_value.h"

#include <array>
#include <optional>
#include <string>

namespace announcer {

constexpr int TimesPerDay = 6;
enum TimeIndex { FajrTime = 0, SunriseTime, ZuhrTime, AsrTime, MaghribTime, IshaTime };

// The six names the windows show beside the times, in TimeIndex order.
inline constexpr std::array<const char*, TimesPerDay> TimeNames = {"Fajr", "Sunrise", "Zuhr", "Asr", "Maghrib", "Isha"};

using TodayTimes = std::array<std::optional<TimeValue>, TimesPerDay>;
using TodayTimeTexts = std::array<std::string, TimesPerDay>;

// "h:mm AMPM" of the time of day, English AM/PM ("5:07 AM", "12:00 AM");
// the day offset is not shown; empty for no time.
std::string TodayTimeText(const std::optional<TimeValue>& t);

// The six texts of TodayTimeTexts, made from the six times.
TodayTimeTexts MakeTodayTimeTexts(const TodayTimes& times);

}  // namespace announcer

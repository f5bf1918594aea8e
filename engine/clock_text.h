#pragma once

#include <string>

namespace engine {

// Times of day are seconds since midnight (0..86399); other values are taken
// modulo a day. English AM/PM always.
std::string LongTime(int secondsOfDay);   // "5:07:00 AM", "12:00:00 AM"
std::string ShortTime(int secondsOfDay);  // "5:07 AM" (pattern "h:mm AMPM")

extern const char* const MonthAbbrev[12];  // "Jan".."Dec"
extern const char* const MonthName[12];    // "January".."December"

// MonthAbbrev of a month 1..12; months outside it count as January.
const char* MonthAbbreviation(int month);

// "MMMM D": "December 9". Months outside 1..12 count as January.
std::string MonthDay(int month, int day);

// "dd mmm yyyy": "08 Dec 2026".
std::string DayMonthYear(int day, int month, int year);

}  // namespace engine

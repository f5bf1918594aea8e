// The log book azaan.log: a two-line header, then one line per call to prayer.
#pragma once

#include "announcer/core/time_value.h"
#include "announcer/core/today_times.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace announcer {

inline constexpr const char* LogBookName = "azaan.log";
// A log book bigger than this at the start of a call is begun again.
constexpr std::uintmax_t LogBookLimit = 48000;

// "DD-MM-YY".
std::string LogDate(const CivilDate& date);

// The two header lines (no line ends): "This is the log file for Kelvora
// [Re-created on DD-MM-YY   5:07:33 AM]" and 69 "-".
std::array<std::string, 2> LogHeader(const CivilDate& today, int nowSecondsOfDay);

// One line (no line end): city, 3 blanks, date, 3 blanks, the current time
// ("4:25:10 AM") straight into the Fajr text, "   " + Zuhr, Asr, Maghrib, Isha
// texts, then the five MinutesApart and the tick minutes by FormatFixedDown(5, 2).
// A prayer without a time is logged as its empty text is, against midnight.
std::string LogLine(const std::string& cityName, const CivilDate& today, int nowSecondsOfDay,
                    const TodayTimeTexts& texts, const std::array<std::optional<int>, 5>& minutesApart,
                    double tickMinutes);

// Appends one line + CR LF to folder/azaan.log; begins it again as the header
// and the line when it is missing, empty, past 48,000 bytes, or a link another
// user planted (the link itself is replaced, never written through). False when the
// line could not be written (the tick passes over that).
bool AppendToLogBook(const std::string& folder, const CivilDate& today, int nowSecondsOfDay, const std::string& line);

}  // namespace announcer

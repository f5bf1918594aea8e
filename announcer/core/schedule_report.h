// The daily and weekly timetables of the whole year ("Daily.txt", "Weekly.txt").
#pragma once

#include "engine/times_file.h"

#include <string>
#include <vector>

namespace announcer {

enum class ScheduleKind { Daily, Weekly };

// "Daily.txt" or "Weekly.txt".
std::string ScheduleFileName(ScheduleKind kind);

// The six title lines; the city stands in capitals at the end of line 2.
std::vector<std::string> ScheduleTitleLines(ScheduleKind kind, const std::string& cityName);

// One row: the date and the six times, each filled to 11 characters (77 in all).
std::string ScheduleRow(const engine::DayRecord& day);

// Whether a day has its row: every day, or every seventh from day 1.
bool ScheduleShowsDay(ScheduleKind kind, int dayNo);

// The whole report, without line ends: the title, then one row a shown day.
std::vector<std::string> ScheduleLines(ScheduleKind kind, const std::string& cityName,
                                       const engine::TimesFileData& year);

}  // namespace announcer

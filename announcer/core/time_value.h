// The announcer's time value: a whole day counted from the toolkit's base day
// (30 Dec 1899 = day 0) plus a time of day. A bare time from the times file or
// a box lies on day 0; the daylight-saving shift can carry it to day +1 or -1.
#pragma once

#include <optional>
#include <string>

namespace announcer {

constexpr int SecondsPerDay = 86400;
constexpr int MinutesPerDay = 1440;

struct CivilDate {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct TimeValue {
    int day = 0;      // days after the base day (negative before it)
    int seconds = 0;  // time of day, 0..86399
    friend bool operator==(const TimeValue&, const TimeValue&) = default;
};

// Whole minutes since midnight of the base day, seconds dropped; the day
// offset counts 1440 minutes a day. Used by every comparison of the display.
long long TotalMinutes(TimeValue t);

// The calendar date of a day number (day 0 = 30 Dec 1899), proleptic Gregorian.
CivilDate DateOfDay(long long day);
// The day number of a calendar date.
long long DayOfDate(CivilDate date);

// Locale-free short date "M/D/YYYY" of a day number: 1/1/1900 for day 2.
std::string ShortDate(long long day);

// The long text form: on the base day the time alone ("5:07:00 AM"); on any
// other day the short date (above), a blank and the time ("12/31/1899 12:30:00 AM").
std::string TimeValueText(TimeValue t);

// A text in either form above (or a bare time the file reader takes) back to a
// time value; nothing when it is none.
std::optional<TimeValue> ParseTimeValue(const std::string& text);

}  // namespace announcer

#include "announcer/core/time_value.h"

#include "engine/clock_text.h"
#include "engine/field_reader.h"

#include <cstddef>

namespace announcer {

namespace {

// Days from 1 Jan 1970 of a proleptic Gregorian date, and back (H. Hinnant's
// well-known civil-date algorithms).
constexpr long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// A whole number of 1 to 4 digits from text at i, then the separator (if any).
bool ReadPart(const std::string& text, std::size_t& i, char separator, int& value) {
    const std::size_t start = i;
    value = 0;
    while (i < text.size() && i - start < 4 && text[i] >= '0' && text[i] <= '9') value = value * 10 + (text[i++] - '0');
    if (i == start) return false;
    if (separator == '\0') return true;
    if (i >= text.size() || text[i] != separator) return false;
    ++i;
    return true;
}

// 30 Dec 1899, the toolkit's day 0, counted from 1 Jan 1970.
constexpr long long BaseDay = DaysFromCivil(1899, 12, 30);

}  // namespace

long long TotalMinutes(TimeValue t) { return static_cast<long long>(t.day) * MinutesPerDay + t.seconds / 60; }

CivilDate DateOfDay(long long day) { return CivilFromDays(day + BaseDay); }

long long DayOfDate(CivilDate date) {
    return DaysFromCivil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) - BaseDay;
}

std::string ShortDate(long long day) {
    const CivilDate d = DateOfDay(day);
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

std::string TimeValueText(TimeValue t) {
    const std::string time = engine::LongTime(t.seconds);
    if (t.day == 0) return time;
    return ShortDate(t.day) + " " + time;
}

std::optional<TimeValue> ParseTimeValue(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return std::nullopt;
    const std::size_t gap = text.find(' ', i);
    const bool dated = gap != std::string::npos && text.find('/', i) < gap;
    int day = 0;
    if (dated) {
        CivilDate date;
        if (!ReadPart(text, i, '/', date.month) || !ReadPart(text, i, '/', date.day) ||
            !ReadPart(text, i, '\0', date.year) || i != gap)
            return std::nullopt;
        if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return std::nullopt;
        day = static_cast<int>(DayOfDate(date));
        if (DateOfDay(day) != date) return std::nullopt;  // no 31 February
    }
    const int seconds = engine::ParseTimeOfDay(dated ? text.substr(gap + 1) : text.substr(i));
    if (seconds < 0) return std::nullopt;
    return TimeValue{day, seconds};
}

}  // namespace announcer

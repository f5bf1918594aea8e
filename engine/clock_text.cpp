#include "engine/clock_text.h"

#include <cstdio>

namespace engine {

const char* const MonthAbbrev[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const MonthName[12] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

namespace {

constexpr int kDay = 86400;

int MonthIndex(int month) { return month >= 1 && month <= 12 ? month - 1 : 0; }

struct Clock12 {
    int hour;  // 1..12
    int minute;
    int second;
    const char* designator;
};

Clock12 ToClock12(int secondsOfDay) {
    int s = secondsOfDay % kDay;
    if (s < 0) s += kDay;
    const int h24 = s / 3600;
    const int hour = h24 % 12 == 0 ? 12 : h24 % 12;
    return {hour, s / 60 % 60, s % 60, h24 < 12 ? "AM" : "PM"};
}

}  // namespace

std::string LongTime(int secondsOfDay) {
    const Clock12 c = ToClock12(secondsOfDay);
    char buf[24];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", c.hour, c.minute, c.second, c.designator);
    return buf;
}

std::string ShortTime(int secondsOfDay) {
    const Clock12 c = ToClock12(secondsOfDay);
    char buf[24];
    std::snprintf(buf, sizeof buf, "%d:%02d %s", c.hour, c.minute, c.designator);
    return buf;
}

const char* MonthAbbreviation(int month) { return MonthAbbrev[MonthIndex(month)]; }

std::string MonthDay(int month, int day) {
    return std::string(MonthName[MonthIndex(month)]) + " " + std::to_string(day);
}

std::string DayMonthYear(int day, int month, int year) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d %s %04d", day, MonthAbbreviation(month), year);
    return buf;
}

}  // namespace engine

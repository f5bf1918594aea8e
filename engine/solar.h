#pragma once

#include <array>
#include <functional>

#include "engine/day_events.h"

namespace engine {

// Decimal hours to a 12-hour clock value: 5.1234 -> 5.07, 12.994 -> 1.00,
// anything at or below 0.01 hours -> 0.01, anything past 23.59 -> 11.59.
double ToClockValue(double t);

// The six events of the 366 days of the year 2000 at a place, handed to onDay in
// order of day number. Any numbers give a result; nothing is kept between runs.
void ComputeYear(double latitude, double longitude, double timeZone, int asrFactor,
                 const std::function<void(const DayEvents&)>& onDay);

// One day's six events in decimal hours of the local clock, before the 12-hour step:
// an event of the day before lies below 0, one of the day after at 24 or more.
struct DayHours {
    int dayNo = 0;  // 1..366
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    std::array<double, 6> hours{};
};

// The same year as ComputeYear, as the hours that ToClockValue turns into clock values.
void ComputeYearHours(double latitude, double longitude, double timeZone, int asrFactor,
                      const std::function<void(const DayHours&)>& onDay);

// The twilight depression angles (degrees) for a truncated latitude.
struct TwilightAngles {
    double fajr;
    double isha;
};
TwilightAngles TwilightAnglesFor(double truncatedLatitude);

}  // namespace engine

#pragma once

namespace engine {

// Whether these numbers give a year of times at all: every event of the 366 days lies on
// its own day or the day before or after (where the 12-hour step's pins stand for it),
// and the qibla bearing is a number. Numbers too large for the arithmetic give neither.
// Coordinates out of their range are no reason by themselves: latitude 95 still computes.
bool IsComputableYear(double latitude, double longitude, double timeZone, int asrFactor);

}  // namespace engine

#pragma once

namespace engine {

// The number of a day in a year whose February always has 29 days:
// 1 Jan = 1, 29 Feb = 60, 1 Mar = 61, 31 Dec = 366 in every year.
// Months outside 1..12 count as January.
int LeapDayNo(int month, int day);

// Days before the first of each month in such a year (index 0 = January).
extern const int DaysBeforeMonth[12];

}  // namespace engine

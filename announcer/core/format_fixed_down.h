// The log book's number field: a value cut (never rounded) to its decimals.
#pragma once

#include <string>

namespace announcer {

// number x 10^digits cut toward minus infinity, divided by 10^digits, in
// double precision with no guard: 0.98333 -> 0.98, -3.257 -> -3.26,
// and 2.3 -> 2.29 (2.3 x 100 is 229.99999999999997).
double RoundDown(double number, int digits);

// The value cut by RoundDown (written back into the caller's value), its whole
// part right-aligned in width (the sign position counts), a "." and the
// decimals padded with zeros; width 5, 2 decimals: 0 "    0.00",
// 0.98333 "     .98", -0.5 "    -.50", 123456 " 123456.00".
std::string FormatFixedDown(double& value, int width, int decimals);

}  // namespace announcer

#pragma once

#include <string>

namespace engine {

// v rounded to the given decimals, an exact half going to the even neighbour
// (0.125 -> 0.12, 2.5 -> 2).
double RoundHalfEven(double v, int decimals);

// The fixed-width number field: value rounded to decimals (written back into the
// caller's variable), its whole part right-aligned in width characters (the sign
// position included), the decimals padded with zeros: FormatFixed(5.1, 3, 2) gives
// "  5.10", 0.5 gives "   .50". A whole part too wide for the field is not cut.
std::string FormatFixed(double& value, int width, int decimals);

// The field built by its defining steps from print forms; FormatFixed gives the same
// text by a quicker road for the usual values (kept for checking that).
std::string FormatFixedBySteps(double& value, int width, int decimals);

// The field's steps for a value the caller has already rounded, its fraction brought
// to the decimals by roundFraction (the log book cuts where the files round).
using FractionRounding = double (*)(double value, int decimals);
std::string FixedField(double rounded, int width, int decimals, FractionRounding roundFraction);

// The same for a single-precision caller (the map picker); digits as a single prints them.
std::string FormatFixed(float& value, int width, int decimals);

}  // namespace engine

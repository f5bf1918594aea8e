#pragma once

#include <string>

namespace engine {

// The form in which numbers are printed to files and messages: a blank or "-",
// then at most 15 significant digits (7 for a single), no "0" before the point of a
// number below 1, no trailing zeros, no point for a whole number:
// " 6", " 12.15", " .5", "-.5", " 0". Very large or small magnitudes use an
// exponent (" 1E+20", " 1E-05").
std::string PrintForm(double v);
std::string PrintFormSingle(float v);

}  // namespace engine

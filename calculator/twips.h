// The calculator's windows are laid out in the program's twips, 15 to a pixel.
#pragma once

#include <cmath>

namespace calculator {

inline constexpr int TwipsPerPixel = 15;

// To the nearest pixel.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

}  // namespace calculator

// Both programs lay their windows out in twips, 15 to a pixel.
#pragma once

#include <QRect>

#include <cmath>

namespace window_common {

inline constexpr int TwipsPerPixel = 15;

// To the nearest pixel.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

inline QRect Twips(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace window_common

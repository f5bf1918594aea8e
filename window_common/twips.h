// Both programs lay their windows out in twips, 15 to a pixel.
#pragma once

#include <QPointF>
#include <QRect>

#include <cmath>

namespace window_common {

inline constexpr int TwipsPerPixel = 15;

// To the nearest pixel.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

inline QRect Twips(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// A point of a drawing, fractions kept: lines and circles are drawn antialiased, so a
// needle that turns by a few twips moves by a part of a pixel instead of jumping a row.
inline QPointF TwipsToDrawingPoint(double xTwips, double yTwips) {
    return QPointF(xTwips / TwipsPerPixel, yTwips / TwipsPerPixel);
}

}  // namespace window_common

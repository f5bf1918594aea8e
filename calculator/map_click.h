// The world map's arithmetic: a click point to latitude and longitude, and the
// compass needle turned to the qibla of that point. Pure C++, so the window and
// its tests share one path.
#pragma once

#include "engine/qibla.h"

#include <string>

namespace calculator {

// The needle's fixed start, the compass centre (twips).
inline constexpr double CompassCentreX = 1050;
inline constexpr double CompassCentreY = 2130;

using engine::NeedleEnd;

// Where the needle ends for a bearing (degrees clockwise from north): up for 0,
// right for 90.
NeedleEnd NeedleEndFor(double bearing);

struct MapPick {
    float latitude;  // rounded to 2 decimals, as the texts show them
    float longitude;
    std::string latitudeText;  // the fixed field, width 3, 2 decimals (" 21.36")
    std::string longitudeText;
    double bearing;  // qibla of the rounded point
    NeedleEnd needle;
};

// A click at x, y (twips in the map's client area) on a window whose outer size
// is outerWidth x outerHeight twips. The map spans the outer width and the outer
// height less 500 twips (title bar and borders), as the picker always counted it.
MapPick PickMapPoint(float x, float y, float outerWidth, float outerHeight);

}  // namespace calculator

#include "calculator/map_click.h"

#include "engine/format_fixed.h"
#include "engine/qibla.h"

namespace calculator {

namespace {
constexpr float TitleAndBorders = 500;
}  // namespace

NeedleEnd NeedleEndFor(double bearing) { return engine::QiblaNeedleEnd(CompassCentreX, CompassCentreY, bearing); }

MapPick PickMapPoint(float x, float y, float outerWidth, float outerHeight) {
    // Single precision throughout, so the texts match what the picker always showed.
    const float w = outerWidth;
    const float h = outerHeight - TitleAndBorders;
    float longitude = x * 360.0f / w - 180.0f;
    float latitude = 90.0f - 180.0f * y / h;
    if (longitude > 180.0f) longitude = 180.0f;
    if (latitude < -90.0f) latitude = -90.0f;

    MapPick pick{};
    pick.latitudeText = engine::FormatFixed(latitude, 3, 2);
    pick.longitudeText = engine::FormatFixed(longitude, 3, 2);
    pick.latitude = latitude;
    pick.longitude = longitude;

    // The qibla takes the values as the labels show them: a single holds 39.9 only
    // as 39.9000015, which would tip a point on the Kaaba's meridian off bearing 0.
    double rawAngle = 0;
    engine::CalcQibla(engine::RoundHalfEven(latitude, 2), engine::RoundHalfEven(longitude, 2), rawAngle, pick.bearing);
    pick.needle = NeedleEndFor(pick.bearing);
    return pick;
}

}  // namespace calculator

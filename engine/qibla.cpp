#include "engine/qibla.h"

#include <cmath>

namespace engine {

namespace {
// The short constants the bearings were always computed with.
constexpr double kPi = 3.1415;
constexpr double kKaabaLongitude = 39.9;
constexpr double kTanKaabaLatitude = 0.394;
constexpr double kNeedleLength = 800;  // twips
}  // namespace

void CalcQibla(double latitude, double longitude, double& rawAngle, double& bearing) {
    // The longitude difference is deliberately not brought into -180..180.
    const double d = (longitude - kKaabaLongitude) * kPi / 180;
    const double c = (90 - latitude) * kPi / 180;
    const double r = std::atan(std::sin(d) / (kTanKaabaLatitude * std::sin(c) - std::cos(d) * std::cos(c))) * 180 / kPi;
    rawAngle = r;
    bearing = 0;  // also on the Kaaba's meridian, and for no number at all
    if (r > 0 && d > 0) {
        bearing = 360 - r;
    } else if (r > 0 && d < 0) {
        bearing = 180 - r;
    } else if (r < 0 && d > 0) {
        bearing = 180 + std::fabs(r);
    } else if (r < 0 && d < 0) {
        bearing = std::fabs(r);
    }
}

NeedleEnd QiblaNeedleEnd(double x1, double y1, double bearing) {
    const double a = (450 - bearing) * kPi / 180;  // counter-clockwise from east
    return {x1 + kNeedleLength * std::cos(a), y1 - kNeedleLength * std::sin(a)};
}

}  // namespace engine

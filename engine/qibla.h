#pragma once

namespace engine {

// Direction of the Kaaba from a place: the raw spherical angle (degrees, -90..90)
// and the bearing (degrees clockwise from north, 0 up to 360).
void CalcQibla(double latitude, double longitude, double& rawAngle, double& bearing);

}  // namespace engine

#pragma once

namespace engine {

// Direction of the Kaaba from a place: the raw spherical angle (degrees, -90..90)
// and the bearing (degrees clockwise from north, 0 up to 360).
void CalcQibla(double latitude, double longitude, double& rawAngle, double& bearing);

// Where a compass needle of 800 twips from (x1, y1) ends when turned to a bearing;
// y grows downwards: up for 0, right for 90, down for 180, left for 270.
struct NeedleEnd {
    double x;
    double y;
};
NeedleEnd QiblaNeedleEnd(double x1, double y1, double bearing);

}  // namespace engine

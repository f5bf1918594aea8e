#include "desktop/volume.h"

#include <algorithm>
#include <cmath>

namespace desktop {

double linearVolume(int hundredthsOfDecibel) {
    // Amplitude ratio: 10^(dB / 20), with dB = hundredths / 100.
    const double ratio = std::pow(10.0, hundredthsOfDecibel / 2000.0);
    return std::clamp(ratio, 0.0, 1.0);
}

}  // namespace desktop

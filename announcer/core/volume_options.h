// The three volume options: their tool tips and the media player's attenuation
// in hundredths of a decibel (0 full, -1500 is 15 dB quieter).
#pragma once

#include <array>

namespace announcer {

inline constexpr std::array<const char*, 3> VolumeToolTips = {"Volume = High", "Volume = Medium", "Volume = Low"};
inline constexpr std::array<int, 3> VolumeAttenuations = {0, -1500, -2500};

}  // namespace announcer

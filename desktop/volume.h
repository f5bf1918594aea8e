// The programs speak of volume as an attenuation in hundredths of a decibel.
#pragma once

namespace desktop {

// 0 → 1.0 (full), -2000 → 0.1; clamped to [0, 1].
double linearVolume(int hundredthsOfDecibel);

}  // namespace desktop

#pragma once

#include "engine/line_sink.h"

namespace engine {

// The 366 day lines and the closing block of the calculator's times file, written
// after its header. Stops at the first failed write and returns false.
bool WriteYearLines(LineSink& sink, double latitude, double longitude, double timeZone, int asrFactor);

}  // namespace engine

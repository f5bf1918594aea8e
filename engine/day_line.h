#pragma once

#include <string>

#include "engine/day_events.h"

namespace engine {

// The calculator's line for a day with "." still in the time fields
// (" 1, Jan 1,#  5.07 AM#,#...").
std::string BuildDayLine(const DayEvents& day);

// The same line as written to the file and shown in the preview ("." -> ":").
std::string CalculatorDayLine(const DayEvents& day);

}  // namespace engine

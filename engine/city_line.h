// Line 1 of the times file: the place's name, which every reader takes as one
// text field on one line.
#pragma once

#include <string>

namespace engine {

// The name as both writers put it on line 1: a comma (which would end the field)
// becomes "-", and a CR, LF or any other control character (a line break would end
// the line and shift every field after it) becomes a blank. Nothing else changes.
std::string CityLine(const std::string& name);

}  // namespace engine

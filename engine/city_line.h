// Line 1 of the times file: the place's name, which every reader takes as one
// text field on one line. A name is shown as it will be written.
#pragma once

#include <string>

namespace engine {

// The name on one line: a CR, LF or any other control character (a line break
// would end the line and shift every field after it; a NUL would end a text
// early) becomes a blank. Nothing else changes. Questions, captions and reports
// show a name in this form.
std::string NameOnOneLine(const std::string& name);

// The name as both writers put it on line 1: on one line, and a comma (which
// would end the field) becomes "-".
std::string CityLine(const std::string& name);

}  // namespace engine

#pragma once

#include <string>
#include <vector>

namespace engine {

// The closing block after the last day line: two empty lines, a rule, the contact
// lines, the rule again (7 lines, without line ends).
std::vector<std::string> TimesTrailerLines();

}  // namespace engine

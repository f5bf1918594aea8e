#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

// The value of the longest leading part of text that reads as a decimal number
// ("21.5x" -> 21.5, "  -3" -> -3, "" -> 0). Leading blanks are skipped, "." is the
// decimal point whatever the locale, an exponent ("1E+20") is taken when complete.
// Every number box and file reader of both programs goes through this one rule.
double LeadingNumber(std::string_view text);

// Whether text reads as a number one can calculate with: its leading number is not too large
// for a double ("1e400" reads as infinity). A text without a number reads as 0, which is finite.
bool IsFiniteNumber(std::string_view text);

// How many characters of text the leading number takes, blanks before it included;
// 0 when there is no number. A whole field is a number when this equals its length.
std::size_t LeadingNumberLength(std::string_view text);

}  // namespace engine

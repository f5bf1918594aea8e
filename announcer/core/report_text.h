// The two text routines of the schedule reports.
#pragma once

#include <string>
#include <string_view>

namespace announcer {

// The text followed by blanks up to width characters; a longer text is never cut.
std::string PadRight(const std::string& text, int width);

// The text with the first occurrence of find replaced; found tells whether there was one.
std::string ReplaceFirst(const std::string& text, std::string_view find, std::string_view replacement, int& found);

// A schedule cell: ":00" taken out once, and once more when the first pass
// found one, so "5:07:00 AM" gives "5:07 AM" and "6:00:00 AM" gives "6 AM".
std::string DropZeroFields(const std::string& text);

}  // namespace announcer

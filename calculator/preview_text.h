// What the preview box and its heading show for today's day line.
#pragma once

#include <string>

namespace calculator {

// The three preview lines (joined by CR LF) from a day line as the day computation
// builds it, before its "." become ":".
std::string PreviewLines(std::string dayLine);

// "Prayer times in <place> on December 9 (without DST)", the place on one line.
std::string PreviewCaption(const std::string& place, int month, int day);

// The heading's tool tip: the same with the words spelled out.
std::string PreviewToolTip(const std::string& place, int month, int day);

}  // namespace calculator

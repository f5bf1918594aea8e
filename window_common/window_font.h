// The windows' base font: Liberation Sans, a stand-in for the small sans serif the
// windows were laid out in, at the size their boxes were measured for (11 pixels on
// a 96-dpi screen).
#pragma once

#include <QFont>

namespace window_common {

// 11 pixels on every screen: the calculator's windows keep to the pixels they were
// measured in, and its map shrinks a label's font pixel by pixel to fit its box.
QFont WindowFontInPixels();

// 8.25 points: the announcer's windows size their text in points, the note and the
// heading made from this one as well, so that the text follows the screen's dpi.
QFont WindowFontInPoints();

}  // namespace window_common

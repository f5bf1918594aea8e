// Centring a window on its screen by its outer frame, title bar and borders included.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace window_common {

// Where the outer frame of the given size goes on a screen of the given area: centred across,
// and `raise` pixels above the middle.
QPoint CentredFramePosition(const QRect& screen, const QSize& outer, int raise);

// Places the window so, `raise` pixels above the middle of its screen. The window system
// reports the frame only once the window is shown (under a window manager, once the manager
// has framed it), so the window is placed now by what is known and placed again when the
// frame's margins turn out other than assumed. A change of the window's own size never
// moves it, and neither does anything once the user has moved it.
void CentreByOuterFrame(QWidget* window, int raise);

}  // namespace window_common

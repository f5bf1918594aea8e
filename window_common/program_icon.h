// A program's icon from the pictures delivered with it, one for each size it is drawn in.
#pragma once

#include <QIcon>
#include <QString>

namespace window_common {

// The icon of the pictures at `pathPattern` with "%1" standing for 16, 32 and 64 pixels
// (":/resources/velstra_%1.png"), so that the title bar and the tray each draw the
// picture made for their size instead of scaling another.
QIcon ProgramIcon(const QString& pathPattern);

}  // namespace window_common

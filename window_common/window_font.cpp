#include "window_common/window_font.h"

#include <QString>

namespace window_common {
namespace {

QFont StandInSans() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

QFont WindowFontInPixels() {
    QFont font = StandInSans();
    font.setPixelSize(11);
    return font;
}

QFont WindowFontInPoints() {
    QFont font = StandInSans();
    font.setPointSizeF(8.25);
    return font;
}

}  // namespace window_common

// What the windows share in showing text: the step from the rules' std::string to
// Qt's text, and fixed text colours.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <string>

namespace window_common {

// The rules' texts are UTF-8; a byte that is no UTF-8 shows as the replacement character.
inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline std::string S(const QString& text) { return text.toStdString(); }

inline void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace window_common

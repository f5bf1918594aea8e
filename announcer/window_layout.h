// What the announcer's windows share in laying out their controls: positions
// and sizes in the program's twips (15 to a pixel), and fixed text colours.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QWidget>

inline int Px(int twips) { return twips / 15; }

inline QRect Twips(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

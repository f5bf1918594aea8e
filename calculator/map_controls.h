// The world map's drawn controls: lines and shapes that lie on the picture and let
// clicks through to it, and labels that keep their clicks to themselves.
// Positions are in twips, as the window lays them out.
#pragma once

#include "window_common/twips.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace calculator {

using window_common::TwipsPerPixel;
using window_common::TwipsToPixels;

class MapLine : public QWidget {
public:
    MapLine(QWidget* parent, QColor colour, int penWidth = 1);

    void setPoints(double x1, double y1, double x2, double y2);
    void setEnd(double x2, double y2) { setPoints(x1_, y1_, x2, y2); }
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int penWidth_;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

class MapShape : public QWidget {
public:
    enum Kind { Square, Circle };  // a circle takes the smaller side, centred
    MapShape(QWidget* parent, Kind kind, QColor fill, QColor border);

    void setTwips(double left, double top, double width, double height);
    void moveTwips(double left, double top) { setTwips(left, top, width_, height_); }
    double left() const { return left_; }
    double top() const { return top_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor fill_;
    QColor border_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A label on the map: transparent, and a click on it picks no point.
class MapLabel : public QLabel {
public:
    MapLabel(const QString& text, QWidget* parent, QColor colour);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace calculator

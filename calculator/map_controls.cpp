#include "calculator/map_controls.h"

#include "window_common/window_text.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace calculator {

MapLine::MapLine(QWidget* parent, QColor colour, int penWidth) : QWidget(parent), colour_(colour), penWidth_(penWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MapLine::setPoints(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int margin = penWidth_ + 1;
    const int left = std::min(TwipsToPixels(x1), TwipsToPixels(x2)) - margin;
    const int top = std::min(TwipsToPixels(y1), TwipsToPixels(y2)) - margin;
    const int right = std::max(TwipsToPixels(x1), TwipsToPixels(x2)) + margin;
    const int bottom = std::max(TwipsToPixels(y1), TwipsToPixels(y2)) + margin;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void MapLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, penWidth_, Qt::SolidLine, Qt::RoundCap));
    const QPoint origin = pos();
    painter.drawLine(QPoint(TwipsToPixels(x1_), TwipsToPixels(y1_)) - origin,
                     QPoint(TwipsToPixels(x2_), TwipsToPixels(y2_)) - origin);
}

MapShape::MapShape(QWidget* parent, Kind kind, QColor fill, QColor border)
    : QWidget(parent), kind_(kind), fill_(fill), border_(border) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MapShape::setTwips(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    setGeometry(TwipsToPixels(left), TwipsToPixels(top), std::max(1, TwipsToPixels(width)),
                std::max(1, TwipsToPixels(height)));
    update();
}

void MapShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(border_);
    painter.setBrush(fill_);
    if (kind_ == Circle) {
        painter.setRenderHint(QPainter::Antialiasing);
        const int side = std::min(width(), height()) - 1;
        painter.drawEllipse(QRectF((width() - 1 - side) / 2.0, (height() - 1 - side) / 2.0, side, side));
    } else {
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
}

MapLabel::MapLabel(const QString& text, QWidget* parent, QColor colour) : QLabel(text, parent) {
    window_common::SetTextColour(this, colour);
}

void MapLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

}  // namespace calculator

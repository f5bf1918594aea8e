#include "announcer/form_background.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QPointF Pixels(double xTwips, double yTwips) { return QPointF(xTwips / 15.0, yTwips / 15.0); }

}  // namespace

FormBackground::FormBackground(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // moves without a button pressed count too
    setAutoFillBackground(true);
}

void FormBackground::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const CircleShape* c : circles)
        p.drawEllipse(QRectF(Pixels(c->Left, c->Top), Pixels(c->Left + c->Width, c->Top + c->Height)));
    for (const LineShape* l : lines) p.drawLine(Pixels(l->X1, l->Y1), Pixels(l->X2, l->Y2));
    p.setPen(QPen(QColor(192, 0, 0), 2));
    for (const LineShape* l : needles) p.drawLine(Pixels(l->X1, l->Y1), Pixels(l->X2, l->Y2));
}

void FormBackground::mouseMoveEvent(QMouseEvent* event) {
    // Controls that ignore a move hand it on to us; those are not background moves.
    if (!childAt(event->position().toPoint()) && onMouseMove) onMouseMove();
    QWidget::mouseMoveEvent(event);
}

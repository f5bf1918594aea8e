#include "announcer/form_background.h"

#include "window_common/twips.h"

#include <QMouseEvent>
#include <QPainter>

using window_common::TwipsToDrawingPoint;

namespace announcer {

FormBackground::FormBackground(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // moves without a button pressed count too
    setAutoFillBackground(true);
}

void FormBackground::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const CircleShape* c : circles)
        p.drawEllipse(
            QRectF(TwipsToDrawingPoint(c->Left, c->Top), TwipsToDrawingPoint(c->Left + c->Width, c->Top + c->Height)));
    for (const LineShape* l : lines) p.drawLine(TwipsToDrawingPoint(l->X1, l->Y1), TwipsToDrawingPoint(l->X2, l->Y2));
    p.setPen(QPen(QColor(192, 0, 0), 2));
    for (const LineShape* l : needles) p.drawLine(TwipsToDrawingPoint(l->X1, l->Y1), TwipsToDrawingPoint(l->X2, l->Y2));
}

void FormBackground::mouseMoveEvent(QMouseEvent* event) {
    // Controls that ignore a move hand it on to us; those are not background moves.
    if (!childAt(event->position().toPoint()) && onMouseMove) onMouseMove();
    QWidget::mouseMoveEvent(event);
}

}  // namespace announcer

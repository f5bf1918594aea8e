#include "announcer/elided_label.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace announcer {

bool ElidedLabel::isElided() const { return fontMetrics().horizontalAdvance(text()) > contentsRect().width(); }

void ElidedLabel::paintEvent(QPaintEvent* event) {
    if (!isElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&p, area, static_cast<int>(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

bool ElidedLabel::event(QEvent* e) {
    // A caption drawn short is shown whole on hover; a set tool tip of its own wins.
    if (e->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(e);
        if (isElided())
            QToolTip::showText(help->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(e);
}

}  // namespace announcer

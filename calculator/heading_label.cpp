#include "calculator/heading_label.h"

#include <QPainter>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QTextDocument>

namespace calculator {

namespace {

constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
const QChar kEllipsis(0x2026);

}  // namespace

HeadingLabel::HeadingLabel(QWidget* parent) : EventLabel(parent) {
    setTextFormat(Qt::PlainText);  // a typed place name is never markup
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// Wrapped at the box's width, the caption must fit its height; a word wider than the box
// does not fit either, as it would run past the box's edge.
bool HeadingLabel::fits(const QString& caption) const {
    const QRect area = contentsRect();
    const QRect needed = fontMetrics().boundingRect(area, kWrapFlags, caption);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QString HeadingLabel::shownText() const {
    const QString caption = text();
    if (fits(caption)) return caption;
    // Longer starts wrap to more lines, so the longest start that fits is found by halving.
    qsizetype low = 0;
    qsizetype high = caption.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(caption.left(middle) + kEllipsis))
            low = middle;
        else
            high = middle - 1;
    }
    // Cut between characters as the reader sees them, and leave no blank before the "…".
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, caption);
    characters.setPosition(low);
    if (!characters.isAtBoundary()) low = std::max<qsizetype>(0, characters.toPreviousBoundary());
    while (low > 0 && caption.at(low - 1).isSpace()) --low;
    return caption.left(low) + kEllipsis;
}

void HeadingLabel::paintEvent(QPaintEvent* event) {
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), kWrapFlags, palette(), isEnabled(), shown, foregroundRole());
}

QString PlainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    return "<p style='white-space:pre-wrap'>" + text.toHtmlEscaped() + "</p>";
}

}  // namespace calculator

// The preview heading: a word-wrapped label that keeps to its own box.
#pragma once

#include "calculator/event_widgets.h"

namespace calculator {

// Shows its caption as plain text. A caption too long for the box is drawn cut short at the
// end with "…"; text() keeps the whole caption.
class HeadingLabel : public EventLabel {
    Q_OBJECT
public:
    explicit HeadingLabel(QWidget* parent = nullptr);

    // The caption as drawn: whole, or its longest start that fits with "…" after it.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool fits(const QString& caption) const;
};

// A tool tip that shows text as it stands: Qt reads a tip that looks like markup as rich text,
// so such a tip is escaped inside a wrapper that keeps its blanks.
QString PlainToolTip(const QString& text);

}  // namespace calculator

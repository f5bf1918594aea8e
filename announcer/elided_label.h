// A one-line label that keeps its whole caption as its text but, when the caption is
// wider than the label, draws it cut short with an ellipsis and shows it whole as a tip.
#pragma once

#include <QLabel>

namespace announcer {

class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

    // True when the caption does not fit and is drawn shortened.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* e) override;
};

}  // namespace announcer

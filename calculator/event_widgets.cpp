#include "calculator/event_widgets.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <utility>

namespace calculator {

void EventLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void EventLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    emit mouseMoved();
}

namespace {

// The window coming back to the front, or a menu closing, returns the focus to the box
// the user was in; it does not enter the box anew.
bool EntersTheBox(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

FocusLineEdit::FocusLineEdit(QWidget* parent) : QLineEdit(parent) {
    // The toolkit reports the user's edit just before the change itself.
    connect(this, &QLineEdit::textEdited, this, [this] { userEdit_ = true; });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (std::exchange(userEdit_, false)) return;
        caretLeftAt_ = 0;
        setCursorPosition(0);
    });
}

void FocusLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!EntersTheBox(event->reason())) return;
    setCursorPosition(std::min(caretLeftAt_, static_cast<int>(text().size())));
    emit gotFocus();
}

void FocusLineEdit::focusOutEvent(QFocusEvent* event) {
    caretLeftAt_ = hasSelectedText() ? selectionStart() : cursorPosition();
    QLineEdit::focusOutEvent(event);
}

PickList::PickList(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

void PickList::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int margin = 2;
    QRect area = rect().adjusted(margin, margin, -margin, -margin);
    QSize picture = iconSize();
    QRect pictureRect(area.left() + (area.width() - picture.width()) / 2, area.top(), picture.width(),
                      picture.height());
    if (!icon().isNull())
        icon().paint(&painter, pictureRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    QRect textRect = area.adjusted(0, picture.height() + 2, 0, 0);
    painter.drawItemText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

void WrapRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    indicator.moveTop((height() - indicator.height()) / 2);
    QStyleOptionButton indicatorOption = option;
    indicatorOption.rect = indicator;
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicatorOption);

    QRect textRect = rect().adjusted(indicator.right() + 5, 0, 0, 0);
    painter.drawItemText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrapRadioButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace calculator

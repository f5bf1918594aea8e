// Small widgets that report the events the window's handlers need and Qt's own do not signal.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace calculator {

// A label that reports clicks and the mouse moving over it.
class EventLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// A text box that reports being entered (by Tab, a click or code; not the window coming
// back to the front), after its own focus handling is done. Like the program's boxes, it
// keeps where its caret was left while it has no focus, and text put into it by the
// program sets that place to the start: entering the box puts the caret back there, in
// place of the toolkit's select-all on Tab.
class FocusLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FocusLineEdit(QWidget* parent = nullptr);
signals:
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int caretLeftAt_ = 0;
    bool userEdit_ = false;
};

// The place list. The wheel turns it only while it has the focus, and does not give it the
// focus, so that the wheel passing over it on the way down the window picks no place.
class PickList : public QComboBox {
    Q_OBJECT
public:
    explicit PickList(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

// A tall button with its picture above a caption that wraps to the button's width.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An option button whose caption wraps to its width, as the window's narrow options need.
class WrapRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace calculator

#include "desktop/enter_key.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace desktop {

bool PressButtonForEnter(const QKeyEvent& key, QWidget& window, QPushButton& defaultButton) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
    auto* focused = qobject_cast<QPushButton*>(window.focusWidget());
    (focused && window.isAncestorOf(focused) ? focused : &defaultButton)->click();
    return true;
}

}  // namespace desktop

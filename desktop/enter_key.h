// Enter in a window: the focused push button takes it, else the window's
// default button, so that Enter never presses a button the user moved away from.
#pragma once

class QKeyEvent;
class QPushButton;
class QWidget;

namespace desktop {

// True, after pressing one button, when the key is Return or Enter.
bool PressButtonForEnter(const QKeyEvent& key, QWidget& window, QPushButton& defaultButton);

}  // namespace desktop

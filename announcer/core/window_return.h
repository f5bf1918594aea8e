// When the main window comes back to the user: at its first activation, when the
// program brings it back into sight, and when the user comes back to it from the
// About box or the editor. Coming back from a message box, a menu or another
// program is no return: reading the settings then would undo hours the user has
// typed since the last tick.
#pragma once

namespace announcer {

enum class WindowEvent {
    FocusToNothing,  // no window of the program has the focus
    FocusToMain,     // the main window has it
    FocusToOwnForm,  // the About box or the editor has it
    FocusToOther,    // a message box, a menu, or any other window has it
    Activated,       // the window system made the main window the active one
    BroughtBack,     // the program itself made it the active one again (shown from the tray, a form handing back)
};

class WindowReturn {
public:
    // Takes the next event; true when it is a real return, on which the settings are read.
    bool feed(WindowEvent event);

private:
    bool activatedOnce_ = false;
    bool cameFromOwnForm_ = false;
};

}  // namespace announcer

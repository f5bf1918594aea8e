#include "announcer/core/window_return.h"

namespace announcer {

bool WindowReturn::feed(WindowEvent event) {
    switch (event) {
        case WindowEvent::FocusToNothing:
        case WindowEvent::FocusToOther: cameFromOwnForm_ = false; return false;
        case WindowEvent::FocusToOwnForm: cameFromOwnForm_ = true; return false;
        case WindowEvent::FocusToMain: return false;
        case WindowEvent::Activated:
            if (activatedOnce_ && !cameFromOwnForm_) return false;
            break;
        case WindowEvent::BroughtBack: break;
    }
    // One return reads the settings once: the window system's own activation
    // that may follow the program's is the same return.
    activatedOnce_ = true;
    cameFromOwnForm_ = false;
    return true;
}

}  // namespace announcer

#include "announcer/core/window_return.h"

#include <gtest/gtest.h>

#include <string>

namespace announcer {
namespace {

// Events, one letter each: focus to m(ain), f(orm: About box or editor),
// o(ther: message box, menu, another program), n(othing); A the window
// system's activation; B the program bringing the window back itself.
// Expected, one letter an event: R the settings are read, . they are not.
struct Case {
    const char* story;
    const char* events;
    const char* reads;
};

const Case Cases[] = {
    {"first activation", "mA", ".R"},
    {"activated again without leaving", "mAA", ".R."},
    {"back from a message box", "mAomA", ".R..."},
    {"back from a menu", "mAoA", ".R.."},
    {"back from the About box or the editor", "mAfmA", ".R..R"},
    {"own form, then another program, then back", "mAfomA", ".R...."},
    {"own form, then no window, then back", "mAfnA", ".R..."},
    {"own form closing hands the window back once", "mAfBmA", ".R.R.."},
    {"shown from the tray, twice", "mABB", ".RRR"},
    {"shown before the first activation", "BA", "R."},
    {"a second activation after a return", "mAfmAA", ".R..R."},
};

WindowEvent EventOf(char c) {
    switch (c) {
        case 'm': return WindowEvent::FocusToMain;
        case 'f': return WindowEvent::FocusToOwnForm;
        case 'o': return WindowEvent::FocusToOther;
        case 'n': return WindowEvent::FocusToNothing;
        case 'A': return WindowEvent::Activated;
        default: return WindowEvent::BroughtBack;
    }
}

TEST(WindowReturnTest, SettingsAreReadOnlyOnARealReturn) {
    for (const Case& c : Cases) {
        WindowReturn rule;
        std::string reads;
        for (const char* e = c.events; *e; ++e) reads += rule.feed(EventOf(*e)) ? 'R' : '.';
        EXPECT_EQ(reads, c.reads) << c.story;
    }
}

}  // namespace
}  // namespace announcer

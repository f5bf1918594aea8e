// The programs' message boxes on QMessageBox.
#pragma once

#include <QString>

namespace desktop {

// style = buttons (0 OK, 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No) + icon
// (16 critical, 32 question, 48 exclamation, 64 information). An empty title
// shows the application's name. Returns 1 OK, 2 Cancel, 6 Yes, 7 No; closing
// the box answers Cancel, or No where there is no Cancel.
int showMessageBox(const QString& text, int style, const QString& title);

// The text as the box shows it: CR (alone or before LF) breaks the line.
QString messageBoxText(const QString& text);

}  // namespace desktop

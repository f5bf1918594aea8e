// Azaan: lives in the notification area and calls to prayer at the day's times.
#include "announcer/azaan.h"
#include "desktop/qt_desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    QApplication::setApplicationVersion(QStringLiteral("3.2"));
    // Closing the window only hides it; "Exit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    desktop::QtDesktop desk;
    announcer::Azaan azaan(desk);
    if (!azaan.Form_Load()) return 0;  // another instance runs
    azaan.show();
    azaan.activateWindow();
    return QApplication::exec();
}

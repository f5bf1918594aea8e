// Velstra: computes a place's prayer times for the year and writes the times file.
#include "calculator/form1.h"
#include "desktop/qt_desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Message boxes without a title of their own show the program's title.
    QApplication::setApplicationName("Murvenik");
    desktop::QtDesktop desk;
    calculator::Form1 form(desk);
    form.show();
    return app.exec();
}

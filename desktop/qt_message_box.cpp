#include "desktop/qt_message_box.h"

#include "desktop/desktop.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace desktop {

QString messageBoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    return shown;
}

int showMessageBox(const QString& text, int style, const QString& title) {
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setTextFormat(Qt::PlainText);  // texts such as "'<<'" are not markup
    box.setText(messageBoxText(text));

    switch (style & 0x70) {
        case mb::Critical: box.setIcon(QMessageBox::Critical); break;
        case mb::Question: box.setIcon(QMessageBox::Question); break;
        case mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case mb::Information: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
    }

    // The first button is the default, as the programs expect.
    switch (style & 0x0F) {
        case mb::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case mb::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case mb::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
    }

    switch (box.exec()) {
        case QMessageBox::Ok: return answer::Ok;
        case QMessageBox::Cancel: return answer::Cancel;
        case QMessageBox::Yes: return answer::Yes;
        case QMessageBox::No: return answer::No;
        default: return answer::Cancel;
    }
}

}  // namespace desktop

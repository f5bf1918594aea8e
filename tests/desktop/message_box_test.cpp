#include "desktop/qt_desktop.h"
#include "desktop/qt_message_box.h"

#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using desktop::answer::Cancel;
using desktop::answer::No;
using desktop::answer::Ok;
using desktop::answer::Yes;

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows the box through the desktop and, once it is open, records it and lets
// `act` answer it as the user would.
int answerBox(const QString& text, int style, const QString& title, SeenBox& seen,
              std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [&seen, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (box->defaultButton()) seen.defaultButton = box->standardButton(box->defaultButton());
        act(*box);
    });
    desktop::QtDesktop desk;
    return desk.messageBox(text, style, title);
}

std::function<void(QMessageBox&)> press(QMessageBox::StandardButton which) {
    return [which](QMessageBox& box) { box.button(which)->click(); };
}

std::function<void(QMessageBox&)> pressEscape() {
    return [](QMessageBox& box) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &esc);
    };
}

TEST(MessageBox, StyleGivesButtonsIconAndAnswers) {
    struct Case {
        int style;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton pressed;
        int expected;
    };
    const Case cases[] = {
        {0, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, Ok},
        {1 + 32, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question, QMessageBox::Cancel, Cancel},
        {3 + 48, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning, QMessageBox::No, No},
        {4 + 16, QMessageBox::Yes | QMessageBox::No, QMessageBox::Critical, QMessageBox::Yes, Yes},
        {64, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, Ok},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        EXPECT_EQ(answerBox("Text", c.style, "Title", seen, press(c.pressed)), c.expected) << c.style;
        EXPECT_EQ(seen.buttons, c.buttons) << c.style;
        EXPECT_EQ(seen.icon, c.icon) << c.style;
        EXPECT_EQ(seen.title, "Title");
    }
}

TEST(MessageBox, ClosingAnswersCancelOrNoWhereThereIsNoCancel) {
    SeenBox seen;
    EXPECT_EQ(answerBox("?", 3, "T", seen, pressEscape()), Cancel);
    EXPECT_EQ(answerBox("?", 1, "T", seen, pressEscape()), Cancel);
    EXPECT_EQ(answerBox("?", 4, "T", seen, pressEscape()), No);
    EXPECT_EQ(answerBox("!", 0, "T", seen, pressEscape()), Ok);
}

TEST(MessageBox, FirstButtonIsTheDefault) {
    SeenBox seen;
    answerBox("?", 51, "T", seen, press(QMessageBox::Cancel));
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
}

TEST(MessageBox, CarriageReturnsBreakLinesAndAnEmptyTitleIsTheProgramsName) {
    const QString saved = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("Kelvora");
    SeenBox seen;
    const QString text = QString("Do you want to run ?") + QChar(13) + QChar(13) + "Note: click on the button '<<'.";
    answerBox(text, 51, "", seen, press(QMessageBox::Cancel));
    QCoreApplication::setApplicationName(saved);

    EXPECT_EQ(seen.title, "Kelvora");
    EXPECT_EQ(seen.text, "Do you want to run ?\n\nNote: click on the button '<<'.");
    EXPECT_EQ(desktop::messageBoxText("a\r\nb\rc"), "a\nb\nc");
}

}  // namespace

#include "desktop/enter_key.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

struct Window {
    QWidget window;
    QPushButton* save = new QPushButton("Save", &window);
    QPushButton* close = new QPushButton("Close", &window);
    QLineEdit* box = new QLineEdit(&window);
    int saves = 0, closes = 0;
    Window() {
        QObject::connect(save, &QPushButton::clicked, [this] { ++saves; });
        QObject::connect(close, &QPushButton::clicked, [this] { ++closes; });
    }
    bool press(int key) {
        const QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        return desktop::PressButtonForEnter(e, window, *save);
    }
};

TEST(EnterKey, PressesTheFocusedButtonElseTheDefault) {
    Window w;
    w.close->setFocus();
    EXPECT_TRUE(w.press(Qt::Key_Return));
    EXPECT_EQ(w.closes, 1);
    EXPECT_EQ(w.saves, 0);

    w.box->setFocus();
    EXPECT_TRUE(w.press(Qt::Key_Enter));
    EXPECT_EQ(w.saves, 1);
    EXPECT_EQ(w.closes, 1);

    // Other keys are left to the window.
    w.close->setFocus();
    EXPECT_FALSE(w.press(Qt::Key_Escape));
    EXPECT_FALSE(w.press(Qt::Key_Space));
    EXPECT_EQ(w.saves + w.closes, 2);
}

}  // namespace

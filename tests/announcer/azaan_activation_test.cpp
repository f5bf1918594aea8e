// When the main window reads the settings file: at its first activation, on
// being shown again from the tray and on coming back from the About box or the
// editor; never on coming back from a message box.
#include "tests/announcer/azaan_fixture.h"

#include "announcer/frm_splash.h"
#include "announcer/modify.h"

#include <QApplication>
#include <QLineEdit>
#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <QtTest/QTest>

#include <functional>

namespace azaan_tests {
namespace {

class ActivationTest : public AzaanWindowTest {
protected:
    void SetUp() override {
        WriteTimesFile(desk.folder);
        WriteBytes(file("DST.TXT"), " 2 \r\n 0 \r\n 2 \r\n");
        at(4, 0);
        ASSERT_TRUE(load());
        activate(w.get());
    }

    // Makes a window the program's active one, as a click on it would.
    static void activate(QWidget* window) {
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }

    bool mainIsActive() const { return QGuiApplication::focusWindow() == w->windowHandle(); }
};

TEST_F(ActivationTest, FirstActivationReadsTheSettings) {
    ASSERT_TRUE(mainIsActive());
    EXPECT_EQ(w->Text1->text(), "2");
}

TEST_F(ActivationTest, ComingBackFromAMessageBoxKeepsTypedHours) {
    w->Text1->setText("1");
    {
        QMessageBox box(QMessageBox::Information, "Kelvora", "A message", QMessageBox::Ok);
        activate(&box);
        ASSERT_EQ(QGuiApplication::focusWindow(), box.windowHandle());
    }
    activate(w.get());
    ASSERT_TRUE(mainIsActive());
    EXPECT_EQ(w->Text1->text(), "1");
}

TEST_F(ActivationTest, ComingBackFromTheAboutBoxOrTheEditorReadsTheSettingsAgain) {
    const std::pair<const char*, std::function<QWidget*()>> forms[] = {
        {"About",
         [this] {
             w->mnuAbout_Click();
             return static_cast<QWidget*>(w->Splash());
         }},
        {"Fine-tune",
         [this] {
             w->mnuModify_Click();
             return static_cast<QWidget*>(w->ModifyWindow());
         }},
    };
    for (const auto& [name, open] : forms) {
        w->Text1->setText("1");
        QWidget* form = open();
        QApplication::processEvents();
        ASSERT_NE(form, nullptr) << name;
        ASSERT_EQ(QApplication::activeWindow(), form) << name;
        // Closing the form hands the activation back to the main window, with
        // or without a window manager to do it.
        form->close();
        QApplication::processEvents();
        EXPECT_TRUE(mainIsActive()) << name;
        EXPECT_EQ(w->Text1->text(), "2") << name;
    }
}

// The About box closing itself while the user works elsewhere takes nothing back.
TEST_F(ActivationTest, AnAboutBoxClosingBehindAnotherWindowKeepsTypedHours) {
    w->Text1->setText("1");
    w->mnuAbout_Click();
    QApplication::processEvents();
    QWidget elsewhere;
    activate(&elsewhere);
    ASSERT_EQ(QApplication::activeWindow(), &elsewhere);
    w->Splash()->close();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &elsewhere);
    EXPECT_EQ(w->Text1->text(), "1");
}

// Typed hours reach the file only at the next tick; a window put away and
// shown again before it shows the file's hours.
TEST_F(ActivationTest, ShowingTheWindowFromTheTrayReadsTheSettingsAgain) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"icon click", [this] { desk.clickTray(desktop::TrayEvent::LeftRelease); }},
        {"Show window", [this] { w->mnuShow->trigger(); }},
    };
    for (const auto& [name, showAgain] : ways) {
        QTest::keyClicks(w->Text1, "\b3");
        ASSERT_EQ(w->Text1->text(), "3") << name;
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QApplication::processEvents();
        ASSERT_FALSE(w->isVisible()) << name;
        showAgain();
        QApplication::processEvents();
        ASSERT_TRUE(mainIsActive()) << name;
        EXPECT_EQ(w->Text1->text(), "2") << name;
    }
}

TEST_F(ActivationTest, TrayClickOnTheShownWindowKeepsTypedHours) {
    w->Text1->setText("3");
    desk.clickTray(desktop::TrayEvent::LeftRelease);
    w->mnuShow->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(mainIsActive());
    EXPECT_EQ(w->Text1->text(), "3");
}

}  // namespace
}  // namespace azaan_tests

// When the main window reads the settings file: at its first activation and on
// coming back from the About box, never on coming back from a message box.
#include "tests/announcer/azaan_fixture.h"

#include "announcer/frm_splash.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>

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

TEST_F(ActivationTest, ComingBackFromTheAboutBoxReadsTheSettingsAgain) {
    w->Text1->setText("1");
    w->mnuAbout_Click();
    QApplication::processEvents();
    auto* about = qobject_cast<frmSplash*>(QApplication::activeWindow());
    ASSERT_NE(about, nullptr);
    about->close();
    activate(w.get());
    ASSERT_TRUE(mainIsActive());
    EXPECT_EQ(w->Text1->text(), "2");
}

}  // namespace
}  // namespace azaan_tests

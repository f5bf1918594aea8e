// The "File" menu and the window's commands: their order, command lines,
// the width toggle and the About box.
#include "tests/announcer/azaan_fixture.h"

#include "announcer/frm_splash.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>

namespace azaan_tests {
namespace {

class CommandsTest : public AzaanWindowTest {
protected:
    void SetUp() override {
        WriteTimesFile(desk.folder);
        at(9, 0);
        ASSERT_TRUE(load());
    }
};

QStringList Captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(CommandsTest, FileMenuIsTheMenuBarAndTheTrayPopupInItsOrder) {
    EXPECT_EQ(Captions(w->mnuFile),
              (QStringList{"About ...", "-", "Daily Schedule", "Weekly Schedule", "Fine-tune...", "-", "Folder", "-",
                           "Play Azaan", "-", "Log book", "Help...", "-", "Show window", "Close window", "-", "Exit"}));
    EXPECT_EQ(Captions(w->mnuPlayAzaan), (QStringList{"Fajr Azaan", "Other Azaan", "Stop Azaan"}));
    EXPECT_EQ(w->mnuFile->title(), "File");
    ASSERT_EQ(w->menuBar()->actions().size(), 1);
    EXPECT_EQ(w->menuBar()->actions()[0]->menu(), w->mnuFile);
}

// The help text sends users only to items the "File" menu has and to buttons the window has.
TEST_F(CommandsTest, ReadMeNamesOnlyMenuItemsAndButtonsThatExist) {
    const QString readMe =
        QString::fromStdString(ReadBytes(QStringLiteral(SUITE_SOURCE_DIR "/announcer/delivered/ReadMe.txt")));
    ASSERT_FALSE(readMe.isEmpty());
    const QStringList items = Captions(w->mnuFile) + Captions(w->mnuPlayAzaan);
    QStringList buttons;
    for (const QPushButton* b : w->findChildren<QPushButton*>()) buttons << b->text();

    int named = 0;
    const QRegularExpression menuItem(QStringLiteral(R"re(File\s+>\s+"([^"]+)")re"));
    for (const auto& m : menuItem.globalMatch(readMe)) {
        EXPECT_TRUE(items.contains(m.captured(1))) << m.captured(1).toStdString();
        ++named;
    }
    const QRegularExpression button(QStringLiteral(R"re(button\s+"([^"]+)")re"));
    for (const auto& m : button.globalMatch(readMe)) {
        EXPECT_TRUE(buttons.contains(m.captured(1))) << m.captured(1).toStdString();
        ++named;
    }
    EXPECT_GT(named, 5);
}

struct MenuCommand {
    const char* name;
    QAction* Azaan::*item;
    const char* line;  // after the program folder's place holder "{}"
    int showState;
};

class MenuCommandLine : public CommandsTest, public ::testing::WithParamInterface<MenuCommand> {};

TEST_P(MenuCommandLine, StartsExactlyItsCommandLine) {
    const MenuCommand c = GetParam();
    (w.get()->*c.item)->trigger();
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].line, QString::fromLatin1(c.line).replace("{}", desk.folder));
    EXPECT_EQ(desk.commandLines[0].showState, c.showState);
}

INSTANTIATE_TEST_SUITE_P(Menu, MenuCommandLine,
                         ::testing::Values(MenuCommand{"LogBook", &Azaan::mnuViewLog, "NOTEPAD  {}/azaan.log", 3},
                                           MenuCommand{"Help", &Azaan::mnuHelp, "notepad {}/ReadMe.txt", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandsTest, AnotherCityAsksThenStartsTheCalculatorOrTheTimesFile) {
    const QString question =
        "Do you want to run Velstra program to calculate prayer times ?\r\r"
        "Note: After completing, click on the button '<<' to update the times on the screen.";
    desk.answers = {desktop::answer::Cancel, desktop::answer::Yes, desktop::answer::No};
    for (int i = 0; i < 3; ++i) QTest::mouseClick(w->Command3, Qt::LeftButton);

    ASSERT_EQ(desk.messageBoxes.size(), 3u);
    EXPECT_EQ(desk.messageBoxes[0].text, question);
    EXPECT_EQ(desk.messageBoxes[0].style, 51);
    EXPECT_EQ(desk.messageBoxes[0].title, "Kelvora");
    ASSERT_EQ(desk.commandLines.size(), 2u);  // Cancel started nothing
    EXPECT_EQ(desk.commandLines[0].line, desk.folder + "/Velstra.exe");
    EXPECT_EQ(desk.commandLines[0].showState, 4);
    EXPECT_EQ(desk.commandLines[1].line, "NOTEPAD  " + desk.folder + "/AzaanTimes.dat");
    EXPECT_EQ(desk.commandLines[1].showState, 4);
}

TEST_F(CommandsTest, FolderOpensTheProgramFolderThroughTheShell) {
    desk.shellOpenResult = desktop::shell::AccessDenied;  // ignored: no message of its own
    w->mnuFolder->trigger();
    ASSERT_EQ(desk.shellOpens.size(), 1u);
    EXPECT_EQ(desk.shellOpens[0].target, desk.folder);
    EXPECT_EQ(desk.shellOpens[0].parameters, QString());
    EXPECT_TRUE(desk.messageBoxes.empty());
}

TEST_F(CommandsTest, WidthToggleTwiceRefreshesTheDayOnce) {
    EXPECT_EQ(w->Command4->text(), "<<");
    EXPECT_EQ(w->width(), 6500 / 15);

    WriteTimesFile(desk.folder, {}, {4.50, 6.29, 12.15, 3.30, 5.45, 7.10});
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    EXPECT_EQ(w->Command4->text(), ">>");
    EXPECT_EQ(w->width(), 3000 / 15);
    EXPECT_EQ(w->Label2->text(), "4:50 AM");  // narrowing read the record again

    WriteTimesFile(desk.folder, {}, {4.40, 6.29, 12.15, 3.30, 5.45, 7.10});
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    EXPECT_EQ(w->Command4->text(), "<<");
    EXPECT_EQ(w->width(), 6500 / 15);
    EXPECT_EQ(w->Label2->text(), "4:50 AM");  // widening does not
}

// The toggle changes the width only: the window stays where it stands, where it centred
// itself or where the user moved it, framed or not (under X11 without a window manager no
// frame is reported).
TEST_F(CommandsTest, WidthToggleLeavesTheWindowWhereItStands) {
    for (const bool frameless : {false, true}) {
        SCOPED_TRACE(frameless ? "frameless" : "framed");
        ASSERT_TRUE(load());
        w->setWindowFlag(Qt::FramelessWindowHint, frameless);
        w->show();
        QApplication::processEvents();
        const QPoint centred = w->frameGeometry().topLeft();

        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(w->width(), 3000 / 15);
        EXPECT_EQ(w->frameGeometry().topLeft(), centred);

        w->move(10, 15);
        QApplication::processEvents();
        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(w->width(), 6500 / 15);
        EXPECT_EQ(w->frameGeometry().topLeft(), QPoint(10, 15));
    }
}

TEST_F(CommandsTest, AboutBoxIsOneBoxThatClosesItself) {
    w->mnuAbout->trigger();
    QPointer<frmSplash> box = w->Splash();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->windowTitle().isEmpty());
    // On X11 Qt would name an untitled window after the program.
    EXPECT_EQ(desk.namelessWindows, std::vector<QWidget*>{box.data()});
    EXPECT_EQ(box->Label1->text(), "Kelvora");
    EXPECT_TRUE(box->Label1->font().bold());
    EXPECT_TRUE(box->Label1->font().italic());
    EXPECT_DOUBLE_EQ(box->Label1->font().pointSizeF(), 32.25);
    EXPECT_EQ(box->Label2->text(), "First released: 2002");
    EXPECT_TRUE(box->Command1->visibleRegion().isEmpty());  // the hidden Esc button

    w->mnuAbout->trigger();
    EXPECT_EQ(w->Splash(), box.data());

    EXPECT_FALSE(box->Timer1.isActive());  // not before it becomes active
    box->Form_Activate();
    EXPECT_TRUE(box->Timer1.isActive());
    EXPECT_EQ(box->Timer1.interval(), 3000);
    box->Timer1_Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(box);

    // The next one is made afresh; Esc closes it at once.
    w->mnuAbout->trigger();
    box = w->Splash();
    ASSERT_TRUE(box);
    QTest::keyClick(box.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(box);
    EXPECT_FALSE(w->Ended());
}

}  // namespace
}  // namespace azaan_tests

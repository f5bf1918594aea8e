// Start-up, single instance, tray icon, auto-hide and closing, and the file
// message with the tick that waits while it is open.
#include "tests/announcer/azaan_fixture.h"

#include "announcer/elided_label.h"
#include "announcer/frm_splash.h"
#include "announcer/modify.h"
#include "desktop/path_text.h"
#include "tests/support/centred_frame.h"
#include "tests/support/pictures.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest/QTest>

namespace azaan_tests {
namespace {

using announcer::ElidedLabel;
using desktop::TrayEvent;

const QString FileMessage =
    "Azaan times data file not found or damaged.\rPlease run the program Velstra.exe to recreate it.\r\r"
    "Would you like to run it now?";

class StartUpTest : public AzaanWindowTest {
protected:
    void loadWithFile() {
        WriteTimesFile(desk.folder);
        at(9, 0);
        ASSERT_TRUE(load());
    }
};

TEST_F(StartUpTest, SecondInstanceIsRefusedAndTouchesNothing) {
    WriteTimesFile(desk.folder);
    const QStringList before = folderEntries();
    desk.runningWindowTitles = {"Kelvora - v3.2"};

    EXPECT_FALSE(load());
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "An instance of Kelvora is already running.");
    EXPECT_EQ(desk.messageBoxes[0].style, 0);
    EXPECT_EQ(desk.messageBoxes[0].title, "Kelvora");
    EXPECT_EQ(desk.trayAdds, 0);
    EXPECT_TRUE(desk.claimedTitles.empty());
    EXPECT_FALSE(w->Timer1.isActive());
    EXPECT_FALSE(w->Timer2.isActive());
    EXPECT_EQ(folderEntries(), before);
    EXPECT_EQ(w->Label2->text(), QString());
}

TEST_F(StartUpTest, StartAddsTheTrayIconClaimsTheTitleAndShowsToday) {
    loadWithFile();
    EXPECT_TRUE(desk.messageBoxes.empty());
    EXPECT_EQ(desk.trayAdds, 1);
    EXPECT_EQ(desk.trayTip, "Kelvora");
    EXPECT_EQ(w->windowTitle(), "Kelvora - v3.2");
    EXPECT_EQ(desk.claimedTitles, std::vector<QString>{"Kelvora - v3.2"});
    EXPECT_EQ(desktop::PathText(w->TempPath.path), desk.temp);
    EXPECT_TRUE(w->TempPath.refusal.empty());
    EXPECT_EQ(w->PlayAzaanFlag, 1);
    EXPECT_EQ(w->Timer1.interval(), 59000);
    EXPECT_TRUE(w->Timer1.isActive());

    EXPECT_EQ(w->Label2->text(), "5:07 AM");
    EXPECT_EQ(w->Label7[6]->text(), "6:29 AM");
    EXPECT_EQ(w->Label3->text(), "12:15 PM");
    EXPECT_EQ(w->Label6->text(), "7:10 PM");
    const char* names[] = {"Fajr", "Sunrise", "Zuhr", "Asr", "Maghrib", "Isha"};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(w->Label7[i]->text(), names[i]);
    EXPECT_EQ(w->Label10[0]->text(), "City: Abha");
    EXPECT_EQ(w->Label10[1]->text(), "Latitude : 18.233 N");
    EXPECT_EQ(w->Label10[3]->text(), "Timezone : GMT + 3 hrs");
    EXPECT_EQ(w->Label8->text(), "( - 3:15 hrs)");  // 9:00 AM, Zuhr next
    // A bearing of 90 points the needle right, 800 twips from its fixed start.
    EXPECT_EQ(w->Line1.X1, 4560);
    EXPECT_EQ(w->Line1.Y1, 1020);
    EXPECT_NEAR(w->Line1.X2, 5360, 1);
    EXPECT_NEAR(w->Line1.Y2, 1020, 1);
    // No file was written at start: the settings come with the first tick.
    EXPECT_EQ(folderEntries(), QStringList{"AzaanTimes.dat"});
}

// The window's corner and the tray show the program's own picture at every size it comes in.
TEST_F(StartUpTest, WindowAndTrayShowTheProgramsPicture) {
    loadWithFile();
    for (const char* size : {"16", "32", "64"}) {
        SCOPED_TRACE(size);
        const QImage picture =
            testing_support::SourcePicture(QStringLiteral("announcer/resources/azaan_%1.png").arg(size));
        EXPECT_TRUE(testing_support::IconShows(w->windowIcon(), picture)) << "the window shows another picture";
        EXPECT_TRUE(testing_support::IconShows(desk.trayIcon, picture)) << "the tray shows another picture";
    }
}

// Each window that centres itself stands with its outer frame centred across the screen:
// the main window 300 twips (20 pixels) above the middle, the editor 500 (33 pixels), the
// About box on it.
TEST_F(StartUpTest, WindowsCentreTheirOuterFrame) {
    loadWithFile();
    w->show();
    QApplication::processEvents();
    testing_support::ExpectCentredByOuterFrame(*w, 20);

    w->mnuModify_Click();
    QApplication::processEvents();
    ASSERT_NE(w->ModifyWindow(), nullptr);
    testing_support::ExpectCentredByOuterFrame(*w->ModifyWindow(), 33);

    w->mnuAbout_Click();
    QApplication::processEvents();
    frmSplash* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<frmSplash*>(top)) about = box;
    ASSERT_NE(about, nullptr);
    testing_support::ExpectCentredByOuterFrame(*about, 0);
}

TEST_F(StartUpTest, ReadsTheCalculatorsAbhaFile) {
    WriteBytes(file("AzaanTimes.dat"), ReadBytes(SUITE_TEST_DATA "/AzaanTimes_abha.dat"));
    at(12, 30);
    ASSERT_TRUE(load());
    EXPECT_TRUE(desk.messageBoxes.empty());
    EXPECT_EQ(w->TodayNo, 344);
    EXPECT_EQ(w->Label1->text(), "Prayer times in Abha  on\n9 Dec 2026\n\n");
    EXPECT_EQ(w->Label2->text(), "5:08 AM");
    EXPECT_EQ(w->Label6->text(), "7:01 PM");
    EXPECT_EQ(w->Label8->text(), "( - 2:42 hrs)");  // to Asr at 3:12 PM
    EXPECT_EQ(w->Label10[2]->text(), "Longitude: 42.517 E");
    // 323.46 degrees: 476 twips left of and 643 above the start.
    EXPECT_NEAR(w->Line1.X2, 4560 - 476, 1);
    EXPECT_NEAR(w->Line1.Y2, 1020 - 643, 1);
}

TEST_F(StartUpTest, FileTextsShowAsPlainTextNeverMarkup) {
    Place place;
    place.city = "<b>Abha</b>";
    WriteTimesFile(desk.folder, place);
    at(9, 0);
    ASSERT_TRUE(load());
    EXPECT_EQ(w->Label10[0]->text(), "City: <b>Abha</b>");
    EXPECT_EQ(w->Label10[0]->textFormat(), Qt::PlainText);
    EXPECT_TRUE(w->Label1->text().startsWith("Prayer times in <b>Abha</b>  on"));
    EXPECT_EQ(w->Label1->textFormat(), Qt::PlainText);
}

TEST_F(StartUpTest, WindowsCodePageNameShowsAsItsLetters) {
    Place place;
    place.city = "S\xE3o Paulo";  // written on the original platform
    WriteTimesFile(desk.folder, place);
    at(9, 0);
    ASSERT_TRUE(load());
    EXPECT_EQ(w->Label10[0]->text(), QString::fromUtf8("City: S\u00E3o Paulo"));
    EXPECT_TRUE(w->Label1->text().startsWith(QString::fromUtf8("Prayer times in S\u00E3o Paulo  on")));
}

TEST_F(StartUpTest, LongPlaceNameKeepsItsCaptionInsideTheWindow) {
    Place place;
    place.city = "Rawalpindi Cantonment Board Area North";
    WriteTimesFile(desk.folder, place);
    at(9, 0);
    ASSERT_TRUE(load());
    auto* city = dynamic_cast<ElidedLabel*>(w->Label10[0]);
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->text(), "City: Rawalpindi Cantonment Board Area North");
    EXPECT_TRUE(city->isElided());
    EXPECT_LE(city->geometry().right(), w->width());
    for (int i = 1; i < 4; ++i) {
        auto* caption = dynamic_cast<ElidedLabel*>(w->Label10[static_cast<size_t>(i)]);
        ASSERT_NE(caption, nullptr);
        EXPECT_FALSE(caption->isElided()) << caption->text().toStdString();
    }
}

TEST_F(StartUpTest, MissingFileAtStartAsksOnceAndStartsTheCalculatorOnYes) {
    at(9, 0);
    desk.answers = {desktop::answer::Yes};
    ASSERT_TRUE(load());  // start-up always finishes
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, FileMessage);
    EXPECT_EQ(desk.messageBoxes[0].style, desktop::mb::YesNo + desktop::mb::Exclamation);
    EXPECT_EQ(desk.messageBoxes[0].title, "Kelvora");
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].line, "velstra");
    EXPECT_EQ(desk.commandLines[0].showState, desktop::show::Normal);
    EXPECT_EQ(w->Label2->text(), QString());
    EXPECT_EQ(desk.trayAdds, 1);
}

TEST_F(StartUpTest, MissingFileHidesTheWindowAndALaterFileIsReadByTheNextTick) {
    at(9, 0);
    desk.defaultAnswer = desktop::answer::No;
    ASSERT_TRUE(load());
    w->show();

    w->Timer1_Timer();
    EXPECT_EQ(desk.messageBoxes.size(), 2u);  // asked again while the file stays missing
    EXPECT_FALSE(w->isVisible());             // No hides the window; the program goes on
    EXPECT_TRUE(desk.commandLines.empty());
    at(0, 0, 5);  // no times were ever read: midnight is no prayer minute
    w->Timer1_Timer();
    EXPECT_EQ(playerStarts(), 0);
    EXPECT_FALSE(QFile::exists(file("azaan.log")));

    WriteTimesFile(desk.folder);
    w->Timer1_Timer();
    EXPECT_EQ(desk.messageBoxes.size(), 3u);
    EXPECT_EQ(w->Label2->text(), "5:07 AM");
    EXPECT_EQ(w->Label10[0]->text(), "City: Abha");
}

TEST_F(StartUpTest, TickWaitsWhileTheFileMessageIsOpen) {
    at(9, 0);
    desk.defaultAnswer = desktop::answer::No;
    int nestedTicks = 0;
    desk.duringMessageBox = [&](const testing_support::MessageBoxCall&) {
        ++nestedTicks;
        w->Timer1_Timer();  // the timer fires inside the message's own event loop
    };
    ASSERT_TRUE(load());
    EXPECT_EQ(nestedTicks, 1);
    EXPECT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_FALSE(QFile::exists(file("DST.TXT")));  // the nested tick did nothing

    w->Timer1_Timer();
    EXPECT_EQ(nestedTicks, 2);
    EXPECT_EQ(desk.messageBoxes.size(), 2u);
    EXPECT_TRUE(QFile::exists(file("DST.TXT")));  // the outer tick went on
}

// A reading that stops before today's record holds another day's times: none
// of them are shown or called as today's, while the place is still shown.
TEST_F(StartUpTest, FileDamagedBeforeTodayShowsAndCallsNoTimes) {
    const std::string good = TimesFileBytes(Place{}, DefaultTimes);  // Fajr 5:07 AM every day
    const std::pair<const char*, std::string> cases[] = {
        {"ends after day 100", EndingAfterDay(good, 100)},
        {"empty DayNo on day 101", WithField(good, 101, 0, "")},
        {"unreadable Asr on day 101", WithField(good, 101, 5, "#  x:30 PM#")},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        desk.messageBoxes.clear();
        desk.playerCalls.clear();
        WriteBytes(file("AzaanTimes.dat"), bytes);
        at(5, 6, 0);  // 9 Dec, day 344
        desk.defaultAnswer = desktop::answer::No;
        ASSERT_TRUE(load());
        ASSERT_EQ(desk.messageBoxes.size(), 1u);
        EXPECT_EQ(desk.messageBoxes[0].text, FileMessage);

        for (QLabel* l : {w->Label2, w->Label3, w->Label4, w->Label5, w->Label6, w->Label7[6], w->Label8})
            EXPECT_EQ(l->text().toStdString(), "");
        EXPECT_EQ(w->Label10[0]->text(), "City: Abha");
        EXPECT_EQ(w->Label10[3]->text(), "Timezone : GMT + 3 hrs");
        EXPECT_NEAR(w->Line1.X2, 5360, 1);  // the header's bearing of 90

        for (auto [h, m] : {std::pair{5, 7}, {12, 15}, {0, 0}}) {
            at(h, m, 0);
            w->Timer1_Timer();
        }
        EXPECT_EQ(desk.messageBoxes.size(), 4u);  // each tick asks again
        EXPECT_EQ(playerStarts(), 0);
        EXPECT_FALSE(QFile::exists(file("azaan.log")));
        EXPECT_FALSE(w->Command2->isEnabled());
        EXPECT_EQ(w->Label2->text(), QString());
        w.reset();
    }
}

TEST_F(StartUpTest, AutoHideAfterStartUnlessTheMouseCrossesTheBackground) {
    loadWithFile();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    EXPECT_TRUE(w->Timer2.isActive());
    EXPECT_EQ(w->Timer2.interval(), 1500);
    EXPECT_TRUE(w->Timer2.isSingleShot());

    // Over a label: not the background.
    QTest::mouseMove(w->Background, w->Label2->geometry().center());
    EXPECT_TRUE(w->Timer2.isActive());
    // Over the compass, which is drawn on the background.
    QTest::mouseMove(w->Background, QPoint(4560 / 15 - 30, 1020 / 15 + 10));
    EXPECT_FALSE(w->Timer2.isActive());
}

TEST_F(StartUpTest, AutoHideHidesOnceAndTheTickGoesOnHidden) {
    loadWithFile();
    w->show();
    w->Timer2_Timer();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->Timer2.isActive());

    desk.clickTray(TrayEvent::LeftRelease);
    EXPECT_TRUE(w->isVisible());

    // The close box only hides; a prayer minute still calls.
    EXPECT_FALSE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->Timer1.isActive());
    at(12, 15, 20);
    w->Timer1_Timer();
    EXPECT_EQ(lastStarted(), desk.folder + "/other.mp3");
}

TEST_F(StartUpTest, CloseButtonEnterAndEscHideTheWindow) {
    loadWithFile();
    for (int key : {int(Qt::Key_Escape), int(Qt::Key_Return)}) {
        w->show();
        w->Text1->setFocus();
        QTest::keyClick(w->Text1, Qt::Key(key));
        EXPECT_FALSE(w->isVisible()) << key;
    }
    w->show();
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->Command1->text(), "Close");
}

TEST_F(StartUpTest, RightReleaseOffersExactlyOneWindowItem) {
    loadWithFile();
    // Until the first right click both show.
    EXPECT_TRUE(w->mnuShow->isVisible());
    EXPECT_TRUE(w->mnuHide->isVisible());

    w->show();
    desk.clickTray(TrayEvent::RightRelease);
    ASSERT_EQ(desk.popups.size(), 1u);
    EXPECT_EQ(desk.popups[0], w->mnuFile);
    EXPECT_FALSE(w->mnuShow->isVisible());
    EXPECT_TRUE(w->mnuHide->isVisible());

    w->mnuHide->trigger();
    EXPECT_FALSE(w->isVisible());
    desk.clickTray(TrayEvent::RightRelease);
    EXPECT_TRUE(w->mnuShow->isVisible());
    EXPECT_FALSE(w->mnuHide->isVisible());
    w->mnuShow->trigger();
    EXPECT_TRUE(w->isVisible());
}

TEST_F(StartUpTest, ExitDeletesTheTrayIconAndNothingFollows) {
    loadWithFile();
    w->show();
    w->mnuExit->trigger();
    EXPECT_EQ(desk.trayDeletes, 1);
    EXPECT_FALSE(desk.trayShown);
    EXPECT_TRUE(w->Ended());
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->Timer1.isActive());

    at(12, 15, 0);
    w->Timer1_Timer();
    desk.clickTray(TrayEvent::LeftRelease);
    EXPECT_EQ(playerStarts(), 0);
    EXPECT_FALSE(QFile::exists(file("azaan.log")));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(StartUpTest, WithoutANotificationAreaTheWindowMinimisesInsteadOfHiding) {
    desk.trayPresent = false;
    loadWithFile();
    w->show();
    EXPECT_FALSE(w->Timer2.isActive());  // no auto-hide
    w->Timer2_Timer();
    EXPECT_TRUE(w->isVisible());

    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isMinimized());

    w->showNormal();
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isMinimized());

    w->mnuExit->trigger();  // "Exit" still ends it
    EXPECT_TRUE(w->Ended());
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace azaan_tests

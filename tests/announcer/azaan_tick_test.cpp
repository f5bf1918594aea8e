// The clock tick: the call to prayer, the log book, "Stop", the hours box and
// the times file read afresh.
#include "tests/announcer/azaan_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

namespace azaan_tests {
namespace {

using testing_support::PlayerCall;

class TickTest : public AzaanWindowTest {
protected:
    void SetUp() override {
        WriteTimesFile(desk.folder);
        at(4, 0);
        ASSERT_TRUE(load());
        desk.messageBoxes.clear();
    }
};

struct PrayerMinute {
    const char* name;
    int h, m;
    const char* recording;  // nullptr: the minute passes without a call
};

class TickAtPrayerMinute : public TickTest, public ::testing::WithParamInterface<PrayerMinute> {};

TEST_P(TickAtPrayerMinute, OneStartAndOneLogLineOverTwoTicksOfTheMinute) {
    const PrayerMinute p = GetParam();
    at(p.h, p.m, 0);
    w->Timer1_Timer();
    at(p.h, p.m, 59);
    w->Timer1_Timer();
    // The next tick lies in the next minute.
    at(p.h, p.m + 1, 58);
    w->Timer1_Timer();

    if (p.recording) {
        EXPECT_EQ(playerStarts(), 1);
        EXPECT_EQ(lastStarted(), desk.folder + "/" + p.recording);
        EXPECT_EQ(logLines(), 3);  // two header lines and one call
        EXPECT_TRUE(w->Command2->isEnabled());
    } else {
        EXPECT_EQ(playerStarts(), 0);
        EXPECT_FALSE(QFile::exists(file("azaan.log")));
        EXPECT_FALSE(w->Command2->isEnabled());
    }
    EXPECT_TRUE(desk.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Day, TickAtPrayerMinute,
    ::testing::Values(PrayerMinute{"Fajr", 5, 7, "fajr.mp3"}, PrayerMinute{"Sunrise", 6, 29, nullptr},
                      PrayerMinute{"Zuhr", 12, 15, "other.mp3"}, PrayerMinute{"Asr", 15, 30, "other.mp3"},
                      PrayerMinute{"Maghrib", 17, 45, "other.mp3"}, PrayerMinute{"Isha", 19, 10, "other.mp3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TickTest, LogBookBeginsWithItsHeaderAndHoldsTheCallExactly) {
    at(5, 7, 0);
    w->Timer1_Timer();
    EXPECT_EQ(ReadBytes(file("azaan.log")),
              "This is the log file for Kelvora [Re-created on 09-12-26   5:07:00 AM]\r\n" + std::string(69, '-') +
                  "\r\n"
                  "Abha   09-12-26   5:07:00 AM5:07 AM   12:15 PM   3:30 PM   5:45 PM   7:10 PM"
                  "    0.00  428.00  623.00  758.00  843.00     .98\r\n");
}

TEST_F(TickTest, LogBookNamesAWindowsCodePagePlaceInUtf8) {
    Place place;
    place.city = "S\xE3o Paulo";
    WriteTimesFile(desk.folder, place);
    at(5, 7, 0);
    w->Timer1_Timer();
    const std::vector<std::string> lines = Lines(ReadBytes(file("azaan.log")));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].rfind("S\xC3\xA3o Paulo   09-12-26   5:07:00 AM", 0), 0u) << lines[2];
}

TEST_F(TickTest, UntickedBoxLetsEveryPrayerMinutePassSilently) {
    w->Check1->setChecked(false);
    EXPECT_EQ(w->PlayAzaanFlag, 0);
    for (auto [h, m] : {std::pair{5, 7}, {12, 15}, {15, 30}, {17, 45}, {19, 10}}) {
        at(h, m, 10);
        w->Timer1_Timer();
    }
    EXPECT_EQ(playerStarts(), 0);
    EXPECT_FALSE(QFile::exists(file("azaan.log")));
    EXPECT_FALSE(w->Command2->isEnabled());

    w->Check1->setChecked(true);
    EXPECT_EQ(w->PlayAzaanFlag, 1);
    at(19, 10, 30);
    w->Timer1_Timer();
    EXPECT_EQ(playerStarts(), 1);
}

TEST_F(TickTest, StopStopsClearsTheFileAndGreysItself) {
    at(5, 7, 0);
    w->Timer1_Timer();
    ASSERT_TRUE(w->Command2->isEnabled());
    desk.playerCalls.clear();

    QTest::mouseClick(w->Command2, Qt::LeftButton);
    ASSERT_EQ(desk.playerCalls.size(), 2u);
    EXPECT_EQ(desk.playerCalls[0].kind, PlayerCall::Stop);
    EXPECT_EQ(desk.playerCalls[1].kind, PlayerCall::FileName);
    EXPECT_EQ(desk.playerCalls[1].fileName, QString());
    EXPECT_FALSE(w->Command2->isEnabled());
}

TEST_F(TickTest, StopAzaanOnlyStopsAndTheNextTickGreysStop) {
    at(5, 7, 0);
    w->Timer1_Timer();
    desk.playerCalls.clear();

    w->mnuAzaanStop->trigger();
    ASSERT_EQ(desk.playerCalls.size(), 1u);
    EXPECT_EQ(desk.playerCalls[0].kind, PlayerCall::Stop);
    EXPECT_TRUE(w->Command2->isEnabled());

    at(5, 8, 0);
    w->Timer1_Timer();
    EXPECT_FALSE(w->Command2->isEnabled());
}

TEST_F(TickTest, MenuPlayCommandsPlayWithoutLogOrStopButton) {
    w->Check1->setChecked(false);
    w->mnuAzaanFajr->trigger();
    EXPECT_EQ(lastStarted(), desk.folder + "/fajr.mp3");
    w->mnuAzaanOther->trigger();
    EXPECT_EQ(lastStarted(), desk.folder + "/other.mp3");
    EXPECT_FALSE(w->Command2->isEnabled());
    at(9, 0);
    w->Timer1_Timer();  // still playing: the tick leaves "Stop" as it is
    EXPECT_FALSE(w->Command2->isEnabled());
    EXPECT_FALSE(QFile::exists(file("azaan.log")));
}

TEST_F(TickTest, VolumeOptionsSetTheAttenuation) {
    QTest::mouseClick(w->Option1[1], Qt::LeftButton);
    EXPECT_EQ(w->AzaanVolume, -1500);
    EXPECT_EQ(desk.player->volume, -1500);
    QTest::mouseClick(w->Option1[2], Qt::LeftButton);
    EXPECT_EQ(desk.player->volume, -2500);
    QTest::mouseClick(w->Option1[0], Qt::LeftButton);
    EXPECT_EQ(desk.player->volume, 0);
    EXPECT_EQ(w->Option1[0]->toolTip(), "Volume = High");
    EXPECT_EQ(w->Option1[1]->toolTip(), "Volume = Medium");
    EXPECT_EQ(w->Option1[2]->toolTip(), "Volume = Low");
    EXPECT_TRUE(w->Option1[0]->text().isEmpty());
}

TEST_F(TickTest, TickWritesTheSettingsFileFromTheControls) {
    at(9, 0);
    w->Timer1_Timer();
    EXPECT_EQ(ReadBytes(file("DST.TXT")), " 0 \r\n 0 \r\n\r\n");

    w->Text1->setText("-0.5");
    w->Check1->setChecked(false);
    w->Option1[0]->setChecked(true);
    w->Timer1_Timer();
    EXPECT_EQ(ReadBytes(file("DST.TXT")), "-.5 \r\n 1 \r\n 2 \r\n");
}

TEST_F(TickTest, ActivationReadsTheSettingsFileIntoTheControls) {
    WriteBytes(file("DST.TXT"), " 1 \r\n 1 \r\n 1 \r\n");
    w->Form_Activate();
    EXPECT_EQ(w->Text1->text(), "1");
    EXPECT_EQ(w->Label2->text(), "6:07 AM");  // the day follows the hours at once
    EXPECT_FALSE(w->Check1->isChecked());
    EXPECT_EQ(w->PlayAzaanFlag, 0);
    EXPECT_TRUE(w->Option1[1]->isChecked());
    EXPECT_EQ(desk.player->volume, -1500);
}

TEST_F(TickTest, HoursBoxShiftsKeystrokeByKeystrokeAndNeverTwice) {
    QTest::keyClick(w->Text1, '-');
    EXPECT_EQ(w->Label2->text(), "5:07 AM");  // a lone minus reads as 0
    QTest::keyClick(w->Text1, '1');
    EXPECT_EQ(w->Text1->text(), "-1");
    EXPECT_EQ(w->Label2->text(), "4:07 AM");
    EXPECT_EQ(w->Label7[6]->text(), "5:29 AM");
    EXPECT_EQ(w->Label6->text(), "6:10 PM");

    // Ticks and the width toggle read the record again: still one shift.
    at(9, 0);
    w->Timer1_Timer();
    w->Command4_Click();
    w->Command4_Click();
    EXPECT_EQ(w->Label2->text(), "4:07 AM");

    // The shifted minute is the one that calls.
    at(4, 7, 0);
    w->Timer1_Timer();
    EXPECT_EQ(lastStarted(), desk.folder + "/fajr.mp3");
}

// A times file that vanishes while the program runs (moved away, being rewritten)
// changes nothing: today's times keep their one shift, and the call comes at the
// shifted minute only.
TEST_F(TickTest, VanishedTimesFileKeepsTodaysShiftedTimes) {
    w->Text1->setText("1");
    ASSERT_EQ(w->Label2->text(), "6:07 AM");
    ASSERT_TRUE(QFile::remove(file("AzaanTimes.dat")));
    desk.defaultAnswer = desktop::answer::No;

    at(5, 7, 0);
    w->Timer1_Timer();
    EXPECT_EQ(playerStarts(), 0);
    at(6, 7, 0);
    w->Timer1_Timer();
    EXPECT_EQ(playerStarts(), 1);
    EXPECT_EQ(lastStarted(), desk.folder + "/fajr.mp3");

    EXPECT_EQ(desk.messageBoxes.size(), 2u);  // each tick still says the file is missing
    EXPECT_EQ(w->Label2->text(), "6:07 AM");
    EXPECT_EQ(w->Label6->text(), "8:10 PM");
    EXPECT_EQ(w->Label10[0]->text(), "City: Abha");
}

TEST_F(TickTest, HoursThatLeaveTheCalendarStopTheShiftWithoutHarm) {
    w->Text1->setText("99999999");
    EXPECT_EQ(w->Label2->text(), "5:07 AM");
    EXPECT_EQ(w->Label6->text(), "7:10 PM");
    at(5, 7, 0);
    w->Timer1_Timer();
    EXPECT_EQ(playerStarts(), 1);
}

// Hours the calendar cannot take after hours it could: the times show as the
// file has them, and the sunrise caption keeps the last whole shift.
TEST_F(TickTest, AShiftThatStopsShowsTheTimesAsReadAndKeepsTheSunriseCaption) {
    w->Text1->setText("1");
    EXPECT_EQ(w->Label2->text(), "6:07 AM");
    EXPECT_EQ(w->Label7[6]->text(), "7:29 AM");
    w->Text1->setText("99999999");
    EXPECT_EQ(w->Label2->text(), "5:07 AM");
    EXPECT_EQ(w->Label6->text(), "7:10 PM");
    EXPECT_EQ(w->Label7[6]->text(), "7:29 AM");
}

TEST_F(TickTest, DayDisplayMarksNextAndCurrentPrayer) {
    at(12, 0);
    w->UpdateTimes();
    EXPECT_EQ(w->Label3->palette().color(QPalette::WindowText), QColor(192, 64, 0));  // Zuhr next
    EXPECT_EQ(w->Label8->text(), "( - 0:15 hrs)");
    EXPECT_EQ(w->Label8->y(), w->Label3->y());
    at(15, 31);
    w->UpdateTimes();
    EXPECT_EQ(w->Label4->palette().color(QPalette::WindowText), QColor(0, 128, 0));   // Asr current
    EXPECT_EQ(w->Label5->palette().color(QPalette::WindowText), QColor(192, 64, 0));  // Maghrib next
    EXPECT_EQ(w->Label3->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(w->Label8->y(), w->Label5->y());
    EXPECT_EQ(w->Label1->text(), "Prayer times in Abha  on\n9 Dec 2026\n\n");
}

}  // namespace
}  // namespace azaan_tests

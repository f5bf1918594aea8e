#include "tests/announcer/editor_fixture.h"

#include "announcer/core/fine_tune.h"
#include "announcer/core/today_record.h"
#include "desktop/path_text.h"
#include "engine/times_file.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace editor_tests {
namespace {

using azaan_tests::DefaultTimes;
using azaan_tests::Place;
using azaan_tests::TimesFileBytes;

std::vector<QString> Boxes(Modify* m) {
    std::vector<QString> texts;
    for (int c = 3; c <= 8; ++c) texts.push_back(m->Text2[static_cast<size_t>(c)]->text());
    return texts;
}

std::vector<QString> Day1Times() {
    return {"5:19:00 AM", "6:41:00 AM", "12:13:00 PM", "3:23:00 PM", "5:45:00 PM", "7:11:00 PM"};
}

// The editor on its own: the test hands it the times file and counts the
// after-save calls that the main window answers by showing the new times.
class ModifyTest : public EditorFilesTest {
protected:
    std::unique_ptr<Modify> editor;
    int savesShown = 0;

    Modify* openEditor(const QString& path) {
        editor = std::make_unique<Modify>(desk, desktop::PathBytes(path), [this] { ++savesShown; });
        editor->Form_Load();
        editor->show();
        return editor.get();
    }
    Modify* openEditor() { return openEditor(timesPath()); }

    // Today's record for day 1 as the main window reads it from the file.
    announcer::RecordOutcome readDayOne(announcer::TodayRecord& record) const {
        return announcer::ReadTodayRecordAt(desktop::PathBytes(timesPath()), 1, record).outcome;
    }
};

TEST_F(ModifyTest, OpensOnMonthlyWithDayOnesTimes) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(m->windowTitle(), "Fine-Tune Prayer Times");
    EXPECT_EQ(m->size(), QSize(5895 / 15, 5970 / 15));
    EXPECT_EQ(m->Combo1->currentText(), "Monthly");
    ASSERT_EQ(m->Combo1->count(), 3);
    EXPECT_EQ(m->Combo1->itemText(0), "Weekly");
    EXPECT_EQ(m->Combo1->itemText(2), "Quarterly");
    EXPECT_EQ(m->Text1->text(), "Abha");

    ASSERT_EQ(m->List1[2]->count(), 12);
    EXPECT_EQ(m->List1[2]->item(0)->text(), "Jan 1");
    EXPECT_EQ(m->List1[2]->item(1)->text(), "Feb 1");
    EXPECT_EQ(m->List1[2]->item(11)->text(), "Dec 1");
    EXPECT_EQ(m->List1[0]->item(2)->text(), "61");
    EXPECT_FALSE(m->List1[0]->isVisibleTo(m));
    EXPECT_EQ(m->List1[2]->currentRow(), 0);
    EXPECT_EQ(Boxes(m), Day1Times());
    for (int c = 3; c <= 8; ++c) EXPECT_TRUE(m->Text2[static_cast<size_t>(c)]->isReadOnly());
    EXPECT_EQ(m->Command3[0]->text(), "<");
    EXPECT_EQ(m->Command3[11]->text(), ">");
    EXPECT_TRUE(m->Command1->isEnabled());
    EXPECT_TRUE(desk.messageBoxes.empty());

    // The other kinds list their anchors; selecting one shows its times.
    choose(m, 0);
    ASSERT_EQ(m->List1[2]->count(), 53);
    EXPECT_EQ(m->List1[0]->item(52)->text(), "365");
    EXPECT_EQ(m->List1[2]->item(52)->text(), "Dec 30");
    choose(m, 2);
    ASSERT_EQ(m->List1[0]->count(), 4);
    EXPECT_EQ(m->List1[0]->item(1)->text(), "92");
    EXPECT_EQ(m->List1[0]->item(3)->text(), "275");
    m->List1[2]->setCurrentRow(1);
    EXPECT_EQ(m->Text2[3]->text(), QString::fromStdString(m->DayTimes.timeText(92, 0)));
}

TEST_F(ModifyTest, ControlsStandWhereTheWindowPlacesThem) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    // Twips to the nearest pixel: the 1000-twip buttons are 67 px wide.
    auto px = [](int left, int top, int width, int height) {
        return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0));
    };
    const std::pair<QWidget*, QRect> placed[] = {
        {m->Text1, px(360, 1260, 1545, 330)},      {m->List1[2], px(360, 2160, 1545, 3180)},
        {m->Picture1, px(2160, 1440, 3300, 3300)}, {m->Command5, px(2160, 5265, 1000, 450)},
        {m->Command2, px(3307, 5265, 1000, 450)},  {m->Command1, px(4455, 5265, 1000, 450)},
        {m->Text2[3], px(900, 270, 1230, 330)},    {m->Text2[8], px(900, 2670, 1230, 330)},
        {m->Command3[0], px(2160, 285, 330, 330)}, {m->Command3[11], px(2475, 2670, 330, 330)},
    };
    for (const auto& [widget, rect] : placed) EXPECT_EQ(widget->geometry(), rect) << widget->metaObject()->className();
    EXPECT_EQ(m->Label1[0]->geometry(), px(315, 270, 5295, 600));
    // The whole note fits its box and stays above "City".
    EXPECT_LE(m->Label1[0]->heightForWidth(m->Label1[0]->width()), m->Label1[0]->height());
    EXPECT_LE(m->Label1[0]->geometry().bottom(), m->Label1[1]->y());
    EXPECT_EQ(m->Label1[8]->pos(), QPoint(315 / 15, 45 / 15));
    EXPECT_EQ(m->Label1[1]->pos(), QPoint(360 / 15, 990 / 15));
    EXPECT_EQ(m->Combo1->geometry().topLeft(), QPoint(360 / 15, 1710 / 15));
    EXPECT_EQ(m->Combo1->width(), 1545 / 15);
    const char* names[] = {"Fajr", "Sunrise", "Zuhr", "Asr", "Maghrib", "Isha"};
    const int tops[] = {315, 780, 1275, 1770, 2220, 2715};
    for (int i = 0; i < 6; ++i) {
        QLabel* label = m->Label1[static_cast<size_t>(i + 2)];
        EXPECT_EQ(label->text(), names[i]);
        EXPECT_EQ(label->parentWidget(), m->Picture1);
        EXPECT_EQ(label->y(), tops[i] / 15);
        EXPECT_EQ(label->geometry().right() + 1, 780 / 15);  // right edges near 780 in the frame
        EXPECT_TRUE(label->font().bold());
        // The name stands level with its time box.
        const QRect box = m->Text2[static_cast<size_t>(i + 3)]->geometry();
        EXPECT_NEAR(label->geometry().center().y(), box.center().y(), 1) << names[i];
    }
    EXPECT_EQ(m->Label1[0]->text(),
              "Following are the raw timings. Daylight Saving Time (if any) will be applied later on the main "
              "screen. You may correct the times to correspond to your particular location. Rest of the timings "
              "will be scaled proportionately.");
    EXPECT_EQ(m->Command1->text(), "Save");
    EXPECT_EQ(m->Command2->text(), "Close");
    EXPECT_EQ(m->Command5->text(), "Help");
    EXPECT_FALSE(m->Command4->isVisibleTo(m));
    EXPECT_FALSE(m->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(m->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(ModifyTest, StepBelowMidnightShowsTheDayBefore) {
    azaan_tests::ClockValues times = DefaultTimes;
    times[0] = 0.0;  // a Fajr of 12:00 AM
    writeTimes(TimesFileBytes(Place{}, times));
    Modify* m = openEditor();
    EXPECT_EQ(m->Text2[3]->text(), "12:00:00 AM");
    m->Command3[0]->click();
    EXPECT_EQ(m->Text2[3]->text(), "12/29/1899 11:59:00 PM");
    m->Command3[1]->click();
    m->Command3[1]->click();
    EXPECT_EQ(m->Text2[3]->text(), "12:01:00 AM");
    m->Command3[0]->click();
    m->Command3[0]->click();
    EXPECT_EQ(m->Text2[3]->cursorPosition(), 0);  // the date shows from its first character

    // Saved, the anchor keeps its time of day on the base day.
    m->Command1->click();
    std::vector<std::string> lines = Lines(ReadBytes(timesPath()));
    ASSERT_EQ(lines.size(), 380u);
    EXPECT_EQ(lines[14].substr(0, 24), " 1 ,Jan 1,#11:59:00 PM#,");

    // The box still shows the day before; the next step starts from the box.
    EXPECT_EQ(m->Text2[3]->text(), "12/29/1899 11:59:00 PM");
    m->Command3[1]->click();
    EXPECT_EQ(m->Text2[3]->text(), "12:00:00 AM");
    m->Command1->click();
    lines = Lines(ReadBytes(timesPath()));
    ASSERT_EQ(lines.size(), 380u);
    EXPECT_EQ(lines[14].substr(0, 24), " 1 ,Jan 1,#12:00:00 AM#,");
}

TEST_F(ModifyTest, AStepAcrossMidnightLeavesEveryIshaNearMidnight) {
    azaan_tests::ClockValues times = DefaultTimes;
    times[5] = 11.58;  // an Isha of 11:58 PM every day
    writeTimes(TimesFileBytes(Place{}, times));
    Modify* m = openEditor();
    m->Command3[11]->click();
    m->Command3[11]->click();
    EXPECT_EQ(m->Text2[8]->text(), "12/31/1899 12:00:00 AM");
    m->Command1->click();

    const std::string bytes = ReadBytes(timesPath());
    engine::TimesFileData saved;
    ASSERT_EQ(engine::ReadTimesFile(bytes, saved), engine::ReadOutcome::Whole);
    for (const engine::DayRecord& day : saved.days) {
        const int minutes = day.times[5] / 60;
        EXPECT_LE(std::min(minutes, 1440 - minutes), 2) << day.date;
    }
    EXPECT_EQ(bytes.find('/', bytes.find("\r\n 1 ,")), std::string::npos);  // bare times only, never a date
}

TEST_F(ModifyTest, EnterPressesTheFocusedButtonElseSave) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    m->activateWindow();

    // On a ">" button just clicked: one more step, nothing written.
    QTest::mouseClick(m->Command3[1], Qt::LeftButton);
    m->Command3[1]->setFocus();
    QTest::keyClick(m->Command3[1], Qt::Key_Return);
    EXPECT_EQ(m->Text2[3]->text(), "5:21:00 AM");
    EXPECT_TRUE(ReadBytes(timesPath()) == AbhaFile());
    EXPECT_TRUE(desk.messageBoxes.empty());

    // In the city box: Save, the default button.
    m->Text1->setFocus();
    QTest::keyClick(m->Text1, Qt::Key_Return);
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "File successfully updated");
    const std::string saved = ReadBytes(timesPath());
    EXPECT_TRUE(saved != AbhaFile());

    // On Close: the editor closes and the file keeps its bytes.
    m->Command2->setFocus();
    QTest::keyClick(m->Command2, Qt::Key_Return);
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_TRUE(ReadBytes(timesPath()) == saved);
}

TEST_F(ModifyTest, MinuteButtonsStepTheirOwnBoxAndAPeriodChoiceDropsTheStep) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    m->Command3[1]->click();   // Fajr +1
    m->Command3[10]->click();  // Isha -1
    m->Command3[10]->click();
    std::vector<QString> expected = Day1Times();
    expected[0] = "5:20:00 AM";
    expected[5] = "7:09:00 PM";
    EXPECT_EQ(Boxes(m), expected);
    // Another anchor and back: the step is kept in the table.
    m->List1[2]->setCurrentRow(3);
    m->List1[2]->setCurrentRow(0);
    EXPECT_EQ(Boxes(m), expected);

    choose(m, 1);  // the same kind again still reloads
    EXPECT_EQ(Boxes(m), Day1Times());
    m->Command3[1]->click();
    choose(m, 0);
    EXPECT_EQ(Boxes(m), Day1Times());
}

TEST_F(ModifyTest, SaveWritesTheEditorsFormAsksForTheNewTimesToBeShownAndOpensTheFile) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    saveFajrAtFiveTwentyTwo(m);

    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "File successfully updated");
    EXPECT_EQ(desk.messageBoxes[0].style, desktop::mb::OkOnly);
    EXPECT_EQ(desk.messageBoxes[0].title, "");
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].line, "notepad " + timesPath());
    EXPECT_EQ(desk.commandLines[0].showState, desktop::show::Normal);

    // Once the file is in place, the new times are to be shown.
    EXPECT_EQ(savesShown, 1);
    announcer::TodayRecord record;
    ASSERT_EQ(readDayOne(record), announcer::RecordOutcome::Found);
    ASSERT_TRUE(record.times[0].has_value());
    EXPECT_EQ(record.times[0]->seconds, 5 * 3600 + 22 * 60);
    EXPECT_EQ(record.cityName, "Abha- Asir");

    // 14 header lines and 366 day lines, no closing block, and no temporary file left.
    const std::string bytes = ReadBytes(timesPath());
    const std::vector<std::string> lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 380u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(lines[0], "Abha- Asir");
    EXPECT_EQ(lines[2], " 323.46 ");
    EXPECT_EQ(lines[4], " 18.233 ");
    EXPECT_EQ(lines[14], " 1 ,Jan 1,#5:22:00 AM#,#6:41:00 AM#,#12:13:00 PM#,#3:23:00 PM#,#5:45:00 PM#,#7:11:00 PM#");
    EXPECT_EQ(lines[379].substr(0, 24), " 366 ,Dec 31,#5:22:00 AM");  // day 366 takes day 1's times
    EXPECT_EQ(QDir(desk.folder).entryList(QDir::Files | QDir::Hidden), QStringList{"AzaanTimes.dat"});

    // The editor stays open on the interpolated year; a second save starts from it.
    EXPECT_TRUE(m->isVisible());
    m->Command1->click();
    EXPECT_EQ(ReadBytes(timesPath()), bytes);
}

TEST_F(ModifyTest, CityBoxShowsAWindowsCodePageNameAsItsLetters) {
    Place place;
    place.city = "S\xE3o Paulo";
    writeTimes(TimesFileBytes(place, DefaultTimes));
    Modify* m = openEditor();
    EXPECT_EQ(m->Text1->text(), QString::fromUtf8("S\u00E3o Paulo"));
}

// A year whose times never come near midnight is saved byte for byte as before,
// unedited (monthly) and edited on several weekly anchors.
TEST_F(ModifyTest, SavesOfAYearAwayFromMidnightKeepTheirBytes) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    m->Command1->click();
    EXPECT_EQ(ReadBytes(timesPath()), ReadBytes(QString(SUITE_TEST_DATA) + "/AzaanTimes_abha_saved.dat"));

    writeTimes(AbhaFile());
    choose(m, 0);
    const std::pair<int, int> steps[] = {{0, 1}, {0, 1}, {10, 4}, {30, 11}, {30, 11}, {30, 11}, {52, 8}, {52, 8}};
    for (const auto& [anchor, button] : steps) {
        m->List1[2]->setCurrentRow(anchor);
        m->Command3[static_cast<size_t>(button)]->click();
    }
    m->Command1->click();
    // Stepped again after the save, and saved again.
    m->List1[2]->setCurrentRow(20);
    m->Command3[7]->click();
    m->Command1->click();
    EXPECT_EQ(ReadBytes(timesPath()), ReadBytes(QString(SUITE_TEST_DATA) + "/AzaanTimes_abha_edited.dat"));
}

TEST_F(ModifyTest, ALineBreakInTheCityBoxIsSavedAsABlank) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    m->Text1->setText(QStringLiteral("Newline\nCity"));
    m->Command1->click();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "File successfully updated");
    const std::string bytes = ReadBytes(timesPath());
    EXPECT_EQ(Lines(bytes)[0], "Newline City");
    engine::TimesFileData read;
    EXPECT_EQ(engine::ReadTimesFile(bytes, read), engine::ReadOutcome::Whole);
    announcer::TodayRecord record;
    ASSERT_EQ(readDayOne(record), announcer::RecordOutcome::Found);
    EXPECT_EQ(record.cityName, "Newline City");
}

// A year the reader takes but the editor cannot write back whole is never put in
// place: a latitude too large for a number, or a file at the reader's length limit
// (one comment padded) that the editor's longer day lines take past it.
TEST_F(ModifyTest, ANewFileThatWouldNotReadAsAWholeYearKeepsTheOldOne) {
    std::vector<std::string> hugeLatitude = Lines(AbhaFile());
    hugeLatitude[4] = " 1e400        42.517        3";
    std::vector<std::string> atTheLimit = Lines(AbhaFile());
    atTheLimit[1] += std::string(engine::TimesFileByteLimit - AbhaFile().size(), '-');
    const struct {
        const char* name;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"latitude 1e400", Joined(hugeLatitude), "would not read back as a whole year"},
        {"at the limit", Joined(atTheLimit),
         "The new file would be 1050804 bytes long, and the announcer reads no times file longer than 1048576 "
         "bytes."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        desk.messageBoxes.clear();
        desk.commandLines.clear();
        savesShown = 0;
        writeTimes(c.bytes);
        announcer::TodayRecord before;
        ASSERT_EQ(readDayOne(before), announcer::RecordOutcome::Found);  // the main window reads it whole
        ASSERT_TRUE(before.times[0].has_value());
        Modify* m = openEditor();
        ASSERT_TRUE(m->Command1->isEnabled());
        m->Command3[1]->click();
        m->Command1->click();

        EXPECT_TRUE(ReadBytes(timesPath()) == c.bytes);
        EXPECT_EQ(QDir(desk.folder).entryList(QDir::Files | QDir::Hidden), QStringList{"AzaanTimes.dat"});
        ASSERT_EQ(desk.messageBoxes.size(), 1u);
        EXPECT_TRUE(desk.messageBoxes[0].text.contains(c.says)) << desk.messageBoxes[0].text.toStdString();
        EXPECT_TRUE(desk.messageBoxes[0].text.contains(timesPath()));
        EXPECT_TRUE(desk.messageBoxes[0].text.contains("The file was left as it was."));
        if (std::string(c.name) == "at the limit") {
            EXPECT_EQ(desk.messageBoxes[0].text, "The prayer times could not be saved to\r" + timesPath() +
                                                     "\r\rReason: " + c.says + "\r\rThe file was left as it was.");
        }
        EXPECT_TRUE(desk.commandLines.empty());
        // Nothing new to show, and the main window still reads today's record from it.
        EXPECT_EQ(savesShown, 0);
        announcer::TodayRecord after;
        ASSERT_EQ(readDayOne(after), announcer::RecordOutcome::Found);
        ASSERT_TRUE(after.times[0].has_value());
        EXPECT_EQ(after.times[0]->seconds, before.times[0]->seconds);

        m->Command2->click();
    }
}

TEST_F(ModifyTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    m->Command3[1]->click();

    // A file-size limit makes every write past 4 KB fail, as a full disk would.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    m->Command1_Click();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(ReadBytes(timesPath()), AbhaFile());
    EXPECT_EQ(QDir(desk.folder).entryList(QDir::Files | QDir::Hidden), QStringList{"AzaanTimes.dat"});
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_TRUE(desk.messageBoxes[0].text.contains(timesPath())) << desk.messageBoxes[0].text.toStdString();
    EXPECT_TRUE(desk.messageBoxes[0].text.contains("File too large")) << desk.messageBoxes[0].text.toStdString();
    EXPECT_FALSE(anyMessageContains("successfully"));
    EXPECT_TRUE(desk.commandLines.empty());
}

TEST_F(ModifyTest, SaveIntoAVanishedFolderSaysWhy) {
    const QString folder = desk.folder + "/gone";
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/AzaanTimes.dat";
    WriteBytes(path, AbhaFile());
    Modify* m = openEditor(path);
    ASSERT_TRUE(m->Command1->isEnabled());
    ASSERT_TRUE(QDir(folder).removeRecursively());  // the folder is no longer there
    m->Command1_Click();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_TRUE(desk.messageBoxes[0].text.contains(path));
    EXPECT_TRUE(desk.messageBoxes[0].text.contains("No such file or directory"));
    EXPECT_TRUE(desk.commandLines.empty());
}

struct BadFile {
    const char* name;
    std::string bytes;
    const char* says;
};

TEST_F(ModifyTest, MissingOrDamagedFileOffersNothingToSave) {
    const std::string good = AbhaFile();
    const std::vector<std::string> all = Lines(good);
    const std::vector<std::string> short365(all.begin(), all.begin() + 12 + 365);  // no day 366, no closing block
    const std::vector<std::string> headerOnly(all.begin(), all.begin() + 12);
    const BadFile cases[] = {
        {"missing", "", "not found"},
        {"365 records", Joined(short365), "damaged"},
        {"header only", Joined(headerOnly), "damaged"},
        {"empty DayNo", WithField(good, 40, 0, ""), "damaged"},
        {"time that is no time", WithField(good, 100, 4, "#  x:12 PM#"), "damaged"},
    };
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.name);
        desk.messageBoxes.clear();
        desk.commandLines.clear();
        writeTimes(good);
        if (std::string(c.name) == "missing")
            QFile::remove(timesPath());
        else
            writeTimes(c.bytes);
        const std::string before = ReadBytes(timesPath());

        Modify* m = openEditor();
        ASSERT_NE(m, nullptr);
        ASSERT_EQ(desk.messageBoxes.size(), 1u);
        EXPECT_TRUE(desk.messageBoxes[0].text.contains(c.says)) << desk.messageBoxes[0].text.toStdString();
        EXPECT_TRUE(desk.messageBoxes[0].text.contains(timesPath()));
        const QString problem = std::string(c.name) == "missing"
                                    ? "Azaan times data file not found or cannot be read:"
                                    : "Azaan times data file is damaged (it does not hold a whole year of 366 days):";
        EXPECT_EQ(desk.messageBoxes[0].text,
                  problem + "\r" + timesPath() +
                      "\r\rPlease run the program Velstra to recreate it. Nothing can be saved until a whole "
                      "year is loaded.");
        EXPECT_FALSE(m->Command1->isEnabled());
        EXPECT_FALSE(m->Command3[0]->isEnabled());
        EXPECT_EQ(m->List1[2]->count(), 0);

        // Nothing reaches the disk, whatever is pressed.
        m->Command3_Click(1);
        m->Command4_Click();
        m->Command1_Click();
        EXPECT_EQ(ReadBytes(timesPath()), before);
        EXPECT_EQ(QFile::exists(timesPath()), std::string(c.name) != "missing");
        EXPECT_FALSE(anyMessageContains("successfully"));
        EXPECT_TRUE(desk.commandLines.empty());

        // A whole year put in place is loaded by the next choice of a period kind.
        writeTimes(good);
        choose(m, 1);
        EXPECT_TRUE(m->Command1->isEnabled());
        EXPECT_EQ(Boxes(m), Day1Times());

        m->Command2->click();
        EXPECT_FALSE(m->isVisible());
    }
}

TEST_F(ModifyTest, HelpAndClose) {
    writeTimes(AbhaFile());
    Modify* m = openEditor();
    m->Command5->click();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text,
              "Use this window to match the estimated prayer times with those of your locally observed times. "
              "\r\rYou may decrease or increase the prayer time using the < and > buttons. Times change in "
              "increments of 1 minute. \r\rDaily times within that period will be scaled linearly to match the "
              "entered values. \r\rDo not apply any Daylight Saving Time on these values. It is applied on the "
              "main screen. ");
    EXPECT_EQ(desk.messageBoxes[0].style, desktop::mb::OkOnly);
    EXPECT_EQ(desk.messageBoxes[0].title, "");

    // Close drops unsaved steps: the window goes and the file keeps its bytes.
    m->Command3[1]->click();
    m->Command2->click();
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ(ReadBytes(timesPath()), AbhaFile());
    EXPECT_EQ(savesShown, 0);
}

}  // namespace
}  // namespace editor_tests

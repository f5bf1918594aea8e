#include "tests/announcer/editor_fixture.h"

#include "announcer/core/today_record.h"
#include "engine/utf8_text.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace editor_tests {
namespace {

using azaan_tests::DefaultTimes;
using azaan_tests::Place;
using azaan_tests::TimesFileBytes;

class SchedulesTest : public EditorTest {
protected:
    QString report(const char* name) const { return desk.temp + name; }
};

TEST_F(SchedulesTest, DailyScheduleWritesEveryDayAndOpensTheViewer) {
    writeTimes(AbhaFile());
    startMain();
    main->mnuQandor_Click();

    EXPECT_TRUE(desk.messageBoxes.empty());
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].line, "notepad " + report("Daily.txt"));
    EXPECT_EQ(desk.commandLines[0].showState, desktop::show::Normal);

    const std::string bytes = ReadBytes(report("Daily.txt"));
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const std::vector<std::string> lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 372u);
    EXPECT_EQ(lines[0], std::string(74, '*'));
    EXPECT_EQ(lines[1], "*             Daily Prayer Times in ABHA");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Jan 1      5:19 AM    6:41 AM    12:13 PM   3:23 PM    5:45 PM    7:11 PM    ");
    for (size_t i = 6; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 77u) << i;
    EXPECT_EQ(lines[371].substr(0, 6), "Dec 31");
    EXPECT_EQ(QDir(desk.temp).entryList(QDir::Files | QDir::Hidden), QStringList{"Daily.txt"});
}

TEST_F(SchedulesTest, WeeklyScheduleWritesEverySeventhDayAndReplacesTheLastOne) {
    writeTimes(AbhaFile());
    startMain();
    WriteBytes(report("Weekly.txt"), "an older schedule\r\n");
    main->mnuQandorW_Click();
    const std::vector<std::string> lines = Lines(ReadBytes(report("Weekly.txt")));
    ASSERT_EQ(lines.size(), 59u);
    EXPECT_EQ(lines[1], "*             Weekly Prayer Times in ABHA");
    EXPECT_EQ(lines[7].substr(0, 6), "Jan 8 ");
    EXPECT_EQ(lines[58].substr(0, 6), "Dec 30");
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].line, "notepad " + report("Weekly.txt"));
}

TEST_F(SchedulesTest, WholeHoursLoseTheirMinutesAndTheCityStandsInCapitals) {
    azaan_tests::ClockValues times = DefaultTimes;
    times[0] = 6.00;   // 6 AM
    times[2] = 12.00;  // 12 PM
    Place place;
    place.city = "Abha town";
    writeTimes(TimesFileBytes(place, times));
    startMain();
    main->mnuQandor_Click();
    const std::vector<std::string> lines = Lines(ReadBytes(report("Daily.txt")));
    ASSERT_EQ(lines.size(), 372u);
    EXPECT_EQ(lines[1], "*             Daily Prayer Times in ABHA TOWN");
    EXPECT_EQ(lines[6], "Jan 1      6 AM       6:29 AM    12 PM      3:30 PM    5:45 PM    7:10 PM    ");
}

TEST_F(SchedulesTest, TitleRaisesANameInAnyScriptOrCodePage) {
    const std::pair<const char*, const char*> cases[] = {
        {"s\xC3\xA3o paulo", "S\xC3\x83O PAULO"},  // UTF-8 "são paulo"
        {"s\xE3o paulo", "S\xC3\x83O PAULO"},      // the same in Windows-1252
    };
    for (auto [city, capitals] : cases) {
        Place place;
        place.city = city;
        writeTimes(TimesFileBytes(place, DefaultTimes));
        startMain();
        main->mnuQandorW_Click();
        const std::vector<std::string> lines = Lines(ReadBytes(report("Weekly.txt")));
        ASSERT_EQ(lines.size(), 59u);
        EXPECT_EQ(lines[1], std::string("*             Weekly Prayer Times in ") + capitals);
    }
}

// A name that a hand-made file gives with control characters is shown, and put into the
// report, as the writers put a name: each such character a blank.
TEST_F(SchedulesTest, TheNameIsShownAndReportedAsTheWritersPutIt) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("Nul") + '\0' + "town", "Nul town"},
        {"Tab\ttown\x1b", "Tab town "},
        {"Del\x7f", "Del "},
    };
    for (const auto& [city, shown] : cases) {
        SCOPED_TRACE(shown);
        std::vector<std::string> lines = Lines(AbhaFile());
        lines[0] = city;
        writeTimes(Joined(lines));
        startMain();
        EXPECT_EQ(main->Label10[0]->text().toStdString(), "City: " + shown);
        EXPECT_TRUE(main->Label1->text().startsWith(QString::fromStdString("Prayer times in " + shown + "  on")));
        main->mnuQandor_Click();
        const std::string daily = ReadBytes(report("Daily.txt"));
        EXPECT_EQ(Lines(daily)[1], "*             Daily Prayer Times in " + engine::UpperCaseText(shown));
        EXPECT_EQ(daily.find('\0'), std::string::npos);
    }
}

// Without a private temp folder no report is written anywhere, not even into
// the current folder (here the test's own private folder, to catch it).
TEST_F(SchedulesTest, WithoutATempFolderNoReportIsWritten) {
    const QString refusal = "The temp folder /tmp/kelvora-1000 cannot be used: it belongs to another user.";
    for (const QString& why : {QString(), refusal}) {
        SCOPED_TRACE(why.toStdString());
        writeTimes(AbhaFile());
        startMain();
        const QString before = QDir::currentPath();
        const QString private_ = desk.temp;
        ASSERT_TRUE(QDir::setCurrent(private_));
        desk.temp.clear();  // the platform reports no temp folder
        desk.tempRefusal = why;
        main->mnuQandorW_Click();
        QDir::setCurrent(before);
        EXPECT_TRUE(QDir(private_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
        EXPECT_TRUE(desk.commandLines.empty());
        ASSERT_EQ(desk.messageBoxes.size(), 1u);
        EXPECT_EQ(desk.messageBoxes[0].text, why + "\r\rThe Weekly Schedule was not written.");
        EXPECT_EQ(desk.messageBoxes[0].style, desktop::mb::OkOnly + desktop::mb::Critical);
        desk.temp = private_;
        desk.messageBoxes.clear();
        main.reset();
    }
}

TEST_F(SchedulesTest, DamagedOrMissingTimesFileStopsWithAMessageAndNoReport) {
    const std::string good = AbhaFile();
    const std::vector<std::string> all = Lines(good);
    const std::vector<std::string> firstHundred(all.begin(), all.begin() + 12 + 100);
    const std::pair<const char*, std::string> cases[] = {
        {"missing", ""},
        {"100 records", Joined(firstHundred)},
        {"empty DayNo", WithField(good, 200, 0, "")},
        {"time that is no time", WithField(good, 300, 7, "#  7:99 PM#")},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeTimes(good);
        startMain();
        if (std::string(name) == "missing")
            QFile::remove(timesPath());
        else
            writeTimes(bytes);
        WriteBytes(report("Daily.txt"), "the last whole schedule\r\n");

        main->mnuQandor_Click();
        main->mnuQandorW_Click();
        ASSERT_EQ(desk.messageBoxes.size(), 2u);
        EXPECT_TRUE(desk.messageBoxes[0].text.contains(timesPath()));
        EXPECT_TRUE(desk.messageBoxes[0].text.contains(std::string(name) == "missing" ? "not found" : "damaged"))
            << desk.messageBoxes[0].text.toStdString();
        EXPECT_TRUE(desk.messageBoxes[0].text.contains("Daily Schedule was not written"));
        EXPECT_TRUE(desk.messageBoxes[1].text.contains("Weekly Schedule was not written"));
        EXPECT_TRUE(desk.commandLines.empty());
        EXPECT_EQ(ReadBytes(report("Daily.txt")), "the last whole schedule\r\n");
        EXPECT_FALSE(QFile::exists(report("Weekly.txt")));
        EXPECT_EQ(QDir(desk.temp).entryList(QDir::Files | QDir::Hidden), QStringList{"Daily.txt"});
        main.reset();
    }
}

TEST_F(SchedulesTest, UnwritableTempFolderSaysWhy) {
    writeTimes(AbhaFile());
    startMain();
    const QString gone = desk.temp + "gone/";
    desk.temp = gone;
    main->mnuQandor_Click();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text,
              "The Daily Schedule could not be written to\r" + gone + "Daily.txt\r\rReason: No such file or directory");
    EXPECT_TRUE(desk.commandLines.empty());
}

TEST_F(SchedulesTest, APlantedLinkIsReplacedNeverWrittenThrough) {
    writeTimes(AbhaFile());
    startMain();
    const QString victim = desk.folder + "/important.txt";
    WriteBytes(victim, "the victim's own text\r\n");
    ASSERT_TRUE(QFile::link(victim, report("Daily.txt")));
    main->mnuQandor_Click();
    EXPECT_TRUE(desk.messageBoxes.empty());
    EXPECT_EQ(ReadBytes(victim), "the victim's own text\r\n");
    EXPECT_FALSE(QFileInfo(report("Daily.txt")).isSymLink());
    EXPECT_EQ(Lines(ReadBytes(report("Daily.txt"))).size(), 372u);
}

TEST_F(SchedulesTest, ATempFolderThatIsNotPrivateIsRefusedWithItsReason) {
    writeTimes(AbhaFile());
    desk.tempRefusal = "The temp folder /tmp/kelvora-1000 cannot be used: it belongs to another user.";
    startMain();
    main->mnuQandor_Click();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, desk.tempRefusal + "\r\rThe Daily Schedule was not written.");
    EXPECT_EQ(desk.messageBoxes[0].style, desktop::mb::OkOnly + desktop::mb::Critical);
    EXPECT_TRUE(desk.commandLines.empty());
    EXPECT_FALSE(QFile::exists(report("Daily.txt")));
}

// The folder is judged again for every report: after start a temp cleaner
// removes it, and another user makes one of that name, open to all, with a
// link to the user's own file in it. That folder is refused as at start; once
// it is gone, the next report makes it again for the user alone.
TEST_F(SchedulesTest, TheTempFolderIsJudgedAgainForEveryReport) {
    const QString own = desk.temp + "kelvora-" + QString::number(::getuid());
    const std::string ownPath = QFile::encodeName(own).toStdString();
    desk.ownTempFolder = own;
    writeTimes(AbhaFile());
    startMain();
    EXPECT_EQ(main->TempPath.path, ownPath + "/");
    main->mnuQandor_Click();
    ASSERT_TRUE(desk.messageBoxes.empty());
    EXPECT_EQ(Lines(ReadBytes(own + "/Daily.txt")).size(), 372u);

    std::filesystem::remove_all(ownPath);
    ASSERT_EQ(::mkdir(ownPath.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(ownPath.c_str(), 0777), 0);
    ASSERT_EQ(::chown(ownPath.c_str(), test_support::AnotherUser, test_support::AnotherUser), 0);
    const QString victim = desk.folder + "/important.txt";
    WriteBytes(victim, "the victim's own text\r\n");
    ASSERT_TRUE(test_support::PlantLink(QFile::encodeName(victim).toStdString(), ownPath + "/Daily.txt"));
    desk.commandLines.clear();
    main->mnuQandor_Click();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "The temp folder " + own +
                                             " cannot be used: it belongs to another user.\r\r"
                                             "The Daily Schedule was not written.");
    EXPECT_TRUE(desk.commandLines.empty());
    EXPECT_EQ(ReadBytes(victim), "the victim's own text\r\n");
    EXPECT_TRUE(QFileInfo(own + "/Daily.txt").isSymLink());
    EXPECT_EQ(QDir(own).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
              QStringList{"Daily.txt"});

    std::filesystem::remove_all(ownPath);
    desk.messageBoxes.clear();
    main->mnuQandorW_Click();
    EXPECT_TRUE(desk.messageBoxes.empty());
    struct stat st {};
    ASSERT_EQ(::lstat(ownPath.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_uid, ::getuid());
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(Lines(ReadBytes(own + "/Weekly.txt")).size(), 59u);
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].line, "notepad " + own + "/Weekly.txt");
}

// The folder was judged the user's alone, and someone else has made one of its
// name since (here: the same folder, now another user's and open to all): the
// report is refused by the same sentence as at start, and nothing lands there.
TEST_F(SchedulesTest, AFolderRemadeByAnotherUserAfterItWasJudgedTakesNoReport) {
    writeTimes(AbhaFile());
    startMain();
    const std::string folder = QFile::encodeName(desk.temp).toStdString();
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    ASSERT_EQ(::chown(folder.c_str(), test_support::AnotherUser, test_support::AnotherUser), 0);
    main->mnuQandor_Click();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "The temp folder " + desk.temp.chopped(1) +
                                             " cannot be used: it belongs to another user.\r\r"
                                             "The Daily Schedule was not written.");
    EXPECT_EQ(desk.messageBoxes[0].style, desktop::mb::OkOnly + desktop::mb::Critical);
    EXPECT_TRUE(desk.commandLines.empty());
    EXPECT_TRUE(QDir(desk.temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

// A temp folder named in Latin-1 ("Gebet-M\xfcnchen", say from XDG_RUNTIME_DIR)
// takes the report by its very bytes, and the viewer is given them.
TEST_F(SchedulesTest, ATempFolderOfAnyNameTakesTheReport) {
    const std::string folder = QFile::encodeName(desk.temp).toStdString() + "Gebet-M\xfcnchen/";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    desk.tempBytes = folder;
    writeTimes(AbhaFile());
    startMain();
    EXPECT_EQ(main->TempPath.path, folder);
    main->mnuQandorW_Click();
    EXPECT_TRUE(desk.messageBoxes.empty());
    EXPECT_EQ(Lines(test_support::TempFolder::Read(folder + "Weekly.txt")).size(), 59u);
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].bytes, "notepad " + folder + "Weekly.txt");
}

// The calculator's file, fine-tuned and saved by the editor, read again by the
// announcer's today's record and by both schedules.
TEST_F(SchedulesTest, RoundTripFromCalculatorThroughEditorToAnnouncer) {
    writeTimes(AbhaFile());
    startMain();
    main->mnuModify_Click();
    Modify* m = main->ModifyWindow();
    ASSERT_NE(m, nullptr);
    // Weekly: move day 1's Fajr 4 minutes later and day 8's Maghrib 2 earlier.
    choose(m, 0);
    for (int i = 0; i < 4; ++i) m->Command3[1]->click();
    m->List1[2]->setCurrentRow(1);
    m->Command3[8]->click();
    m->Command3[8]->click();
    m->Command1->click();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "File successfully updated");

    // Today's record of the saved file: found, and it is the edited day.
    announcer::TodayRecord record;
    const auto reading = announcer::ReadTodayRecordAt(timesPath().toStdString(), 366, record);
    EXPECT_EQ(reading.outcome, announcer::RecordOutcome::Found);
    EXPECT_EQ(record.cityName, "Abha");
    EXPECT_DOUBLE_EQ(record.qiblahDirection, 323.46);
    ASSERT_TRUE(record.times[0].has_value());
    EXPECT_EQ(record.times[0]->seconds, 5 * 3600 + 23 * 60);  // day 366 takes day 1's times
    EXPECT_EQ(main->Record.times[0]->seconds, 5 * 3600 + 23 * 60);

    // The main window's own reading on later ticks finds no damage either.
    main->Timer1_Timer();
    main->mnuQandor_Click();
    main->mnuQandorW_Click();
    EXPECT_FALSE(anyMessageContains("damaged"));
    EXPECT_EQ(desk.messageBoxes.size(), 1u);
    const std::vector<std::string> daily = Lines(ReadBytes(report("Daily.txt")));
    ASSERT_EQ(daily.size(), 372u);
    EXPECT_EQ(daily[6].substr(0, 22), "Jan 1      5:23 AM    ");
    EXPECT_EQ(daily[13].substr(0, 11), "Jan 8      ");
    EXPECT_EQ(daily[13].substr(55, 11), "5:47 PM    ");  // 5:49 PM less two minutes
    EXPECT_EQ(Lines(ReadBytes(report("Weekly.txt"))).size(), 59u);
}

}  // namespace
}  // namespace editor_tests

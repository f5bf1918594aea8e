#include "tests/calculator/form1_fixture.h"

#include "desktop/path_text.h"
#include "engine/times_file.h"

namespace calculator {
namespace {

using desktop::answer::No;
using desktop::answer::Yes;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

TEST_F(Form1Test, AnEmptyNumberBoxIsTheOneMessage) {
    form->Text1[1]->clear();
    form->Text1[3]->clear();
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "Please fill the information in all text boxes.");
    EXPECT_EQ(desk.messageBoxes[0].style, 0);
    EXPECT_EQ(desk.messageBoxes[0].title, "");  // the program's title
    EXPECT_TRUE(folderEntries().isEmpty());
    EXPECT_TRUE(desk.commandLines.empty());
}

// A number too large for a double reads as infinity, and a smaller one can still give no
// times: both are refused before any question, so no header holds "Infinity" and no year
// is written as pinned times.
TEST_F(Form1Test, ANumberTooLargeIsRefusedBeforeAnyQuestion) {
    struct Case {
        const char* latitude;
        const char* longitude;
        const char* zone;
        const char* message;
    };
    const Case cases[] = {
        {"1e400", "39.8", "3",
         "The latitude box holds \"1e400\", a number too large to calculate with.\r\r"
         "Please enter the latitude as an ordinary number."},
        {"21.4", "-1E+999x", "3",
         "The longitude box holds \"-1E+999x\", a number too large to calculate with.\r\r"
         "Please enter the longitude as an ordinary number."},
        {"21.4", "39.8", "  9e9999",
         "The time zone box holds \"  9e9999\", a number too large to calculate with.\r\r"
         "Please enter the time zone as an ordinary number."},
        {"1e308", "42.517", "3",
         "The latitude \"1e308\", longitude \"42.517\" and time zone \"3\" hold a number too large "
         "to calculate prayer times with.\r\rPlease enter them as ordinary numbers."},
        {"18.233", "1e308", "3",
         "The latitude \"18.233\", longitude \"1e308\" and time zone \"3\" hold a number too large "
         "to calculate prayer times with.\r\rPlease enter them as ordinary numbers."},
        {"18.233", "42.517", "1e308",
         "The latitude \"18.233\", longitude \"42.517\" and time zone \"1e308\" hold a number too large "
         "to calculate prayer times with.\r\rPlease enter them as ordinary numbers."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        desk.messageBoxes.clear();
        enterPlace("Makkah", c.latitude, c.longitude, c.zone);
        desk.answers = {Yes, Yes};
        create();
        ASSERT_EQ(desk.messageBoxes.size(), 1u);
        EXPECT_EQ(desk.messageBoxes[0].text, c.message);
        EXPECT_EQ(desk.messageBoxes[0].style, 48);
        EXPECT_EQ(desk.messageBoxes[0].title, "");
        EXPECT_TRUE(folderEntries().isEmpty());
        EXPECT_TRUE(desk.commandLines.empty());
        EXPECT_EQ(form->MousePointer(), 0);
    }
}

// Out of their range but still giving times: asked about as always.
TEST_F(Form1Test, NumbersOutOfRangeThatStillGiveTimesAreAskedAbout) {
    const char* const places[][3] = {{"95", "39.8", "3"}, {"21.4", "-200", "3"}, {"1e6", "39.8", "3"}};
    for (const auto& place : places) {
        SCOPED_TRACE(place[0] + std::string(" ") + place[1]);
        desk.messageBoxes.clear();
        enterPlace("Makkah", place[0], place[1], place[2]);
        desk.answers = {No};
        create();
        ASSERT_EQ(desk.messageBoxes.size(), 1u);
        EXPECT_EQ(desk.messageBoxes[0].title, "Verify entered information");
    }
}

TEST_F(Form1Test, ABoxOfBlanksCountsAsFilled) {
    form->Text1[3]->setText("  ");
    desk.answers = {No};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].title, "Verify entered information");
    EXPECT_EQ(form->TimeZone, 0);
}

TEST_F(Form1Test, TheConfirmationShowsEveryValueInPrintForm) {
    enterPlace("hyderabad, India", "0.5", "78.48", "5.5");
    desk.answers = {No};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text,
              "City\t\tHyderabad, India\r"
              "Latitude\t\t .5\r"
              "Longitude\t\t 78.48\r"
              "Timezone\t\tGMT +  5.5 hrs\r"
              "Filename\t\t" +
                  path("AzaanTimes.dat") +
                  "\r"
                  "\r"
                  "Do you want to proceed?");
    EXPECT_EQ(desk.messageBoxes[0].style, 68);
    EXPECT_EQ(desk.messageBoxes[0].title, "Verify entered information");

    enterPlace("x", "-12abc", "-.25", "-5");
    create();
    EXPECT_TRUE(
        desk.messageBoxes.back().text.contains("Latitude\t\t-12\rLongitude\t\t-.25\r"
                                               "Timezone\t\tGMT + -5 hrs\r"));
}

TEST_F(Form1Test, NoAtEitherQuestionWritesNothing) {
    desk.answers = {No};
    create();
    EXPECT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_TRUE(folderEntries().isEmpty());
    EXPECT_EQ(form->MousePointer(), 0);

    writeFile(path("AzaanTimes.dat"), "old times\r\n");
    desk.answers = {Yes, No};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 3u);
    EXPECT_EQ(desk.messageBoxes[2].text,
              "The file " + path("AzaanTimes.dat") + " already exists.\r\rDo you want to over-write?");
    EXPECT_EQ(desk.messageBoxes[2].style, 52);
    EXPECT_EQ(desk.messageBoxes[2].title, "Velstra");
    EXPECT_EQ(readFile(path("AzaanTimes.dat")), "old times\r\n");
    EXPECT_EQ(folderEntries(), QStringList{"AzaanTimes.dat"});
    EXPECT_TRUE(desk.commandLines.empty());
    EXPECT_EQ(form->MousePointer(), 0);
}

TEST_F(Form1Test, OverwriteIsAskedOnlyWhenTheFileExistsAndThenReplacesIt) {
    desk.answers = {Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);  // confirmation, completion
    EXPECT_EQ(desk.messageBoxes[1].text.left(17), "Prayer times calc");

    writeFile(path("AzaanTimes.dat"), "old times\r\n");
    desk.messageBoxes.clear();
    desk.answers = {Yes, Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 3u);
    EXPECT_EQ(desk.messageBoxes[1].title, "Velstra");
    EXPECT_EQ(Lines(readFile(path("AzaanTimes.dat"))).size(), 385u);
    EXPECT_EQ(folderEntries(), QStringList{"AzaanTimes.dat"});
}

// The whole file but its creation line against the file the engine's fixture holds for Abha.
TEST_F(Form1Test, WritesTheTimesFileOfAPlace) {
    desk.clock = QDateTime(QDate(2026, 12, 8), QTime(23, 50, 11));
    desk.answers = {Yes};
    create();
    const std::vector<std::string> written = Lines(readFile(path("AzaanTimes.dat")));
    ASSERT_EQ(written.size(), 385u);
    EXPECT_EQ(written[0], "Abha");
    EXPECT_EQ(written[4], " 18.233        42.517        3");
    EXPECT_EQ(written[5], "# File created on: 08 Dec 2026   11:50:11 PM");
    EXPECT_EQ(written[6], "# Asr times correspond to  1-shadow-length criteria");
    EXPECT_EQ(written[12].substr(0, 10), " 1, Jan 1,");
    EXPECT_EQ(written[377].substr(0, 14), " 366, Dec 31,#");
    const std::string bytes = readFile(path("AzaanTimes.dat"));
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    const QString fixture = QString(SUITE_TEST_DATA) + "/AzaanTimes_abha.dat";
    ASSERT_TRUE(QFile::exists(fixture));
    const std::vector<std::string> expected = Lines(readFile(fixture));
    ASSERT_EQ(expected.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        if (i != 5) {
            EXPECT_EQ(written[i], expected[i]) << "line " << i + 1;
        }
}

TEST_F(Form1Test, TheNameLosesItsCommaAndTheAsrChoiceIsWritten) {
    form->Combo1[0]->setCurrentIndex(76);
    emit form->Combo1[0]->activated(76);
    QTest::mouseClick(form->Option1[1], Qt::LeftButton);
    desk.answers = {Yes};
    create();
    const std::vector<std::string> written = Lines(readFile(path("AzaanTimes.dat")));
    ASSERT_EQ(written.size(), 385u);
    EXPECT_EQ(written[0], "Hyderabad- India");
    EXPECT_EQ(written[4], " 17.38         78.48         5.5");
    EXPECT_EQ(written[6], "# Asr times correspond to  2-shadow-length criteria");
    EXPECT_EQ(form->AsrFactor, 2);
}

// A typed name is shown in the question and the heading as the file will hold it: a line
// break or NUL as a blank. Only its commas stay on screen, as typed.
TEST_F(Form1Test, ANameIsShownAsItWillBeWritten) {
    const struct {
        QString typed;
        const char* shown;
        const char* written;
    } cases[] = {
        {"Newline\nCity", "Newline City", "Newline City"},
        {"two\r\nBreaks\r", "Two  Breaks ", "Two  Breaks "},
        {QString("Nul") + QChar(0) + "Town", "Nul Town", "Nul Town"},
        {"hyderabad, India", "Hyderabad, India", "Hyderabad- India"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        enterPlace(c.typed, "18.233", "42.517", "3");
        QTest::mouseClick(form->Label2, Qt::LeftButton);  // the heading follows the name
        // The heading shows the name as typed, its first letter not raised.
        const QString heading = QString("Prayer times in ") + c.shown + " on ";
        EXPECT_TRUE(form->Label2->text().startsWith(heading, Qt::CaseInsensitive))
            << form->Label2->text().toStdString();
        desk.messageBoxes.clear();
        desk.answers = {Yes, Yes};  // proceed, and over-write the file of the case before
        create();
        ASSERT_FALSE(desk.messageBoxes.empty());
        EXPECT_TRUE(desk.messageBoxes[0].text.startsWith(QString("City\t\t") + c.shown + "\rLatitude\t\t"))
            << desk.messageBoxes[0].text.toStdString();
        const std::string bytes = readFile(path("AzaanTimes.dat"));
        EXPECT_EQ(Lines(bytes)[0], c.written);
        engine::TimesFileData read;
        EXPECT_EQ(engine::ReadTimesFile(bytes, read), engine::ReadOutcome::Whole);
    }
}

TEST_F(Form1Test, TheEndBeepsReportsAndOpensTheFileInTheTextViewer) {
    desk.folder = desk.folder + "/with blanks in it";
    ASSERT_TRUE(QDir().mkpath(desk.folder));
    std::vector<int> pointerDuringMessage;
    desk.duringMessageBox = [&](const testing_support::MessageBoxCall&) {
        pointerDuringMessage.push_back(form->MousePointer());
    };
    const int beeps = desk.beeps;
    desk.answers = {Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);
    EXPECT_EQ(desk.messageBoxes[1].text, "Prayer times calculated and written to the file\r\rAzaanTimes.dat");
    EXPECT_EQ(desk.messageBoxes[1].style, 0);
    EXPECT_EQ(desk.messageBoxes[1].title, "");
    EXPECT_EQ(pointerDuringMessage, (std::vector<int>{0, 11}));
    EXPECT_EQ(desk.beeps, beeps + 1);
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].line, "NOTEPAD  " + desk.folder + "/AzaanTimes.dat");
    EXPECT_EQ(desk.commandLines[0].showState, 1);
    EXPECT_EQ(form->MousePointer(), 0);
    EXPECT_EQ(form->OutputFile, desktop::PathBytes(desk.folder + "/AzaanTimes.dat"));
}

TEST_F(Form1Test, EnterPressesCreate) {
    desk.answers = {No};
    QTest::keyClick(form->Text1[2], Qt::Key_Return);
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].title, "Verify entered information");
}

}  // namespace
}  // namespace calculator

#include "tests/calculator/form1_fixture.h"
#include "tests/support/fifo.h"

#include <algorithm>

namespace calculator {
namespace {

using desktop::answer::Yes;

// Passes lines on to the file until it has taken its share, then fails as a full disk would.
class FailingSink : public engine::LineSink {
public:
    FailingSink(engine::LineSink& file, int linesBeforeFailure) : file_(file), left_(linesBeforeFailure) {}
    bool writeLine(std::string_view line) override {
        if (left_-- <= 0) return false;
        return file_.writeLine(line);
    }

private:
    engine::LineSink& file_;
    int left_;
};

class Form1FaultTest : public Form1Test {
protected:
    const std::string oldTimes = "Old place\r\nits old times\r\n";

    void expectNoOverwriteQuestion() {
        for (const auto& box : desk.messageBoxes) EXPECT_NE(box.title, "Velstra");
    }
    void expectWriteFailure(const QString& file, const QString& reason) {
        ASSERT_FALSE(desk.messageBoxes.empty());
        const auto& report = desk.messageBoxes.back();
        EXPECT_EQ(report.text, "The file " + file + " could not be written.\r\r" + reason);
        EXPECT_EQ(report.style, 16);
        EXPECT_EQ(report.title, "");
        EXPECT_EQ(form->MousePointer(), 0);
        EXPECT_TRUE(desk.commandLines.empty());
    }
};

TEST_F(Form1FaultTest, AFolderWhereTheFileShouldBeIsReportedNotAskedAbout) {
    ASSERT_TRUE(QDir(desk.folder).mkdir("AzaanTimes.dat"));
    desk.answers = {Yes, Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);
    expectWriteFailure(path("AzaanTimes.dat"), "A folder of that name stands where the file should be.");
    expectNoOverwriteQuestion();
    EXPECT_TRUE(QFileInfo(path("AzaanTimes.dat")).isDir());
    EXPECT_EQ(folderEntries(), QStringList{"AzaanTimes.dat"});
}

TEST_F(Form1FaultTest, AFifoWhereTheFileShouldBeIsReportedNotWrittenInto) {
    testing_support::FifoWithReader fifo(path("AzaanTimes.dat").toStdString());
    ASSERT_TRUE(fifo.made());
    desk.answers = {Yes, Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);
    expectWriteFailure(path("AzaanTimes.dat"),
                       "Something other than a file (a FIFO or a device) stands where the file should be.");
    expectNoOverwriteQuestion();
    EXPECT_TRUE(fifo.stillThere());
    EXPECT_TRUE(folderEntries().isEmpty());  // no regular file appeared beside it
}

TEST_F(Form1FaultTest, AnEmptyFileBoxIsReportedNotAskedAbout) {
    writeFile(path("other.dat"), oldTimes);
    form->Text1[4]->clear();
    desk.answers = {Yes, Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);
    expectWriteFailure(desk.folder + "/", "The output file box holds no file name.");
    expectNoOverwriteQuestion();
    EXPECT_EQ(folderEntries(), QStringList{"other.dat"});
}

TEST_F(Form1FaultTest, AMissingFolderIsReportedWithTheReason) {
    form->Text1[4]->setText("nosuch/AzaanTimes.dat");
    desk.answers = {Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);
    ASSERT_TRUE(desk.messageBoxes[1].text.startsWith("The file " + path("nosuch/AzaanTimes.dat") +
                                                     " could not be written.\r\r"));
    EXPECT_TRUE(desk.messageBoxes[1].text.contains("No such file or directory"))
        << desk.messageBoxes[1].text.toStdString();
    EXPECT_EQ(desk.messageBoxes[1].style, 16);
    EXPECT_EQ(form->MousePointer(), 0);
    EXPECT_TRUE(desk.commandLines.empty());
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(Form1FaultTest, AReadOnlyTimesFileIsReportedAndKept) {
    writeFile(path("AzaanTimes.dat"), oldTimes);
    QFile::setPermissions(path("AzaanTimes.dat"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    desk.answers = {Yes, Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 3u);  // confirmation, overwrite, the report
    expectWriteFailure(path("AzaanTimes.dat"), "Permission denied");
    EXPECT_EQ(readFile(path("AzaanTimes.dat")), oldTimes);
    EXPECT_EQ(folderEntries(), QStringList{"AzaanTimes.dat"});
}

// The overwrite question is about the file that is written, wherever the box points.
TEST_F(Form1FaultTest, TheOverwriteQuestionAsksAboutTheFileInItsOwnFolder) {
    ASSERT_TRUE(QDir(desk.folder).mkdir("sub"));
    writeFile(path("AzaanTimes.dat"), oldTimes);  // beside the program, not the one written
    form->Text1[4]->setText("sub/AzaanTimes.dat");
    desk.answers = {Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);  // confirmation and completion only
    EXPECT_EQ(readFile(path("AzaanTimes.dat")), oldTimes);
    EXPECT_FALSE(readFile(path("sub/AzaanTimes.dat")).empty());

    desk.messageBoxes.clear();
    desk.answers = {Yes, desktop::answer::No};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);
    EXPECT_EQ(desk.messageBoxes[1].text,
              "The file " + path("sub/AzaanTimes.dat") + " already exists.\r\rDo you want to over-write?");
}

TEST_F(Form1FaultTest, AWriteFailingPartWayKeepsTheOldFileWhole) {
    for (int linesWritten : {0, 5, 12, 200, 384}) {
        SCOPED_TRACE(linesWritten);
        open(QDate(2026, 1, 1),
             [linesWritten](engine::LineSink& file) { return std::make_unique<FailingSink>(file, linesWritten); });
        writeFile(path("AzaanTimes.dat"), oldTimes);
        desk.messageBoxes.clear();
        desk.commandLines.clear();
        const int beeps = desk.beeps;
        desk.answers = {Yes, Yes};
        create();
        ASSERT_EQ(desk.messageBoxes.size(), 3u);
        expectWriteFailure(path("AzaanTimes.dat"), "Writing to the disk failed part way (the disk may be full).");
        EXPECT_EQ(desk.beeps, beeps);
        EXPECT_EQ(readFile(path("AzaanTimes.dat")), oldTimes);
        EXPECT_EQ(folderEntries(), QStringList{"AzaanTimes.dat"});  // no temporary file left
    }
}

TEST_F(Form1FaultTest, AllLinesThroughTheSeamMakeTheWholeFile) {
    open(QDate(2026, 1, 1), [](engine::LineSink& file) { return std::make_unique<FailingSink>(file, 385); });
    desk.answers = {Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);
    EXPECT_EQ(desk.commandLines.size(), 1u);
    const std::string written = readFile(path("AzaanTimes.dat"));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 385);
}

}  // namespace
}  // namespace calculator

// The announcer in a folder whose name is no UTF-8 ("Gebet-München" in Latin-1):
// it reads and writes its files there and names them so to the programs it starts.
#include "tests/announcer/azaan_fixture.h"
#include "tests/support/temp_folder.h"

#include <QLabel>
#include <QPushButton>

#include <filesystem>

namespace azaan_tests {
namespace {

class Latin1FolderTest : public AzaanWindowTest {
protected:
    test_support::TempFolder parent;
    std::string folder = (parent.path() / "Gebet-M\xfcnchen").string();

    void SetUp() override {
        ASSERT_TRUE(std::filesystem::create_directory(folder));
        desk.folderBytes = folder;
        test_support::TempFolder::Write(folder + "/AzaanTimes.dat", TimesFileBytes(Place{}, DefaultTimes));
        at(5, 7, 0);
        ASSERT_TRUE(load());
    }
};

TEST_F(Latin1FolderTest, TheTimesFileThereIsReadAndTheTickWritesBesideIt) {
    EXPECT_TRUE(desk.messageBoxes.empty());  // no "not found or damaged"
    EXPECT_EQ(w->Label10[0]->text(), "City: Abha");
    EXPECT_EQ(w->Label2->text(), "5:07 AM");

    w->Timer1_Timer();  // Fajr
    ASSERT_FALSE(desk.playerCalls.empty());
    EXPECT_EQ(desk.playerCalls.back().path, folder + "/fajr.mp3");
    EXPECT_EQ(test_support::TempFolder::Read(folder + "/DST.TXT"), " 0 \r\n 0 \r\n\r\n");
    EXPECT_NE(test_support::TempFolder::Read(folder + "/azaan.log").find("Abha   09-12-26   5:07:00 AM5:07 AM"),
              std::string::npos);
}

TEST_F(Latin1FolderTest, CommandLinesNameTheFolderByteForByte) {
    desk.answers = {desktop::answer::No};
    w->Command3->click();  // No: the times file in the viewer
    w->mnuViewLog->trigger();
    ASSERT_EQ(desk.commandLines.size(), 2u);
    EXPECT_EQ(desk.commandLines[0].bytes, "NOTEPAD  " + folder + "/AzaanTimes.dat");
    EXPECT_EQ(desk.commandLines[1].bytes, "NOTEPAD  " + folder + "/azaan.log");
    // On screen only, the byte that is no text is the replacement character.
    EXPECT_TRUE(desk.commandLines[0].line.contains(QStringLiteral("Gebet-M\uFFFDnchen/AzaanTimes.dat")));
}

}  // namespace
}  // namespace azaan_tests

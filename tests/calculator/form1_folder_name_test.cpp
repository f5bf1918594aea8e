// The calculator in a folder whose name is no UTF-8 ("Gebet-München" in Latin-1):
// it asks about, writes and opens the times file there.
#include "tests/calculator/form1_fixture.h"
#include "tests/support/temp_folder.h"

#include "desktop/path_text.h"
#include "engine/times_file.h"
#include "files/times_file_at.h"

#include <filesystem>

namespace calculator {
namespace {

using desktop::answer::Yes;

TEST_F(Form1Test, TheTimesFileIsWrittenInAFolderOfAnyName) {
    test_support::TempFolder parent;
    const std::string folder = (parent.path() / "Gebet-M\xfcnchen").string();
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    desk.folderBytes = folder;
    const std::string file = folder + "/AzaanTimes.dat";

    desk.answers = {Yes};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);  // the question, then the report: no failure
    // On screen only, the byte that is no text is the replacement character.
    EXPECT_TRUE(desk.messageBoxes[0].text.contains(QStringLiteral("Filename\t\t") + desktop::PathText(file) + "\r"));
    EXPECT_TRUE(desk.messageBoxes[0].text.contains(QStringLiteral("Gebet-M\uFFFDnchen/AzaanTimes.dat")));
    engine::TimesFileData year;
    EXPECT_EQ(files::ReadTimesFileAt(file, year), engine::ReadOutcome::Whole);
    ASSERT_EQ(desk.commandLines.size(), 1u);
    EXPECT_EQ(desk.commandLines[0].bytes, "NOTEPAD  " + file);

    // The file is found there again: the next create asks before replacing it.
    desk.messageBoxes.clear();
    desk.answers = {Yes, desktop::answer::No};
    create();
    ASSERT_EQ(desk.messageBoxes.size(), 2u);
    EXPECT_TRUE(desk.messageBoxes[1].text.endsWith("already exists.\r\rDo you want to over-write?"));
}

}  // namespace
}  // namespace calculator

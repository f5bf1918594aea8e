// The main window's "Fine-tune...": one editor at a time, on the main window's
// times file, and a save in it shows the new times in the main window.
#include "tests/announcer/editor_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace editor_tests {
namespace {

class AzaanEditorTest : public EditorTest {};

TEST_F(AzaanEditorTest, OneEditorAtATimeAndClosingItDropsItsSteps) {
    writeTimes(AbhaFile());
    startMain();
    Modify* m = openEditor();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(m->TimesFilePath(), main->TimesFilePath());
    EXPECT_EQ(m->Text2[3]->text(), "5:19:00 AM");
    m->Command3[1]->click();
    EXPECT_EQ(m->Text2[3]->text(), "5:20:00 AM");

    // "Fine-tune..." again only brings the window forward: nothing is reloaded.
    EXPECT_EQ(openEditor(), m);
    EXPECT_EQ(m->Text2[3]->text(), "5:20:00 AM");

    // Close ends the editor; the next opening loads the file again.
    m->Command2->click();
    processDeletes();
    EXPECT_EQ(main->ModifyWindow(), nullptr);
    EXPECT_EQ(ReadBytes(timesPath()), AbhaFile());
    Modify* again = openEditor();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Text2[3]->text(), "5:19:00 AM");
}

TEST_F(AzaanEditorTest, ASaveRefreshesTheMainWindowAndKeepsItsWidth) {
    writeTimes(AbhaFile());
    startMain();
    const int mainWidth = main->width();
    const QString mainButton = main->Command4->text();
    ASSERT_TRUE(main->Record.times[0].has_value());
    EXPECT_EQ(main->Record.times[0]->seconds, 5 * 3600 + 19 * 60);
    EXPECT_EQ(main->Label2->text(), "5:19 AM");

    Modify* m = openEditor();
    saveFajrAtFiveTwentyTwo(m);
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "File successfully updated");

    // The main window read today's record again and kept its width.
    EXPECT_EQ(main->Record.times[0]->seconds, 5 * 3600 + 22 * 60);
    EXPECT_EQ(main->Label2->text(), "5:22 AM");
    EXPECT_EQ(main->CityName(), "Abha- Asir");
    EXPECT_EQ(main->width(), mainWidth);
    EXPECT_EQ(main->Command4->text(), mainButton);
}

}  // namespace
}  // namespace editor_tests

// The world-map picker's window on the scripted desktop.
#include "calculator/form1.h"
#include "calculator/form2.h"
#include "calculator/map_click.h"
#include "tests/support/pictures.h"
#include "tests/support/scripted_desktop.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace calculator {
namespace {

using desktop::answer::No;
using desktop::answer::Yes;

// The picker as the main window opens it, over two plain boxes and a third that
// "Insert" must leave alone.
class Form2Test : public ::testing::Test {
protected:
    testing_support::ScriptedDesktop desk;
    QWidget owner;
    QLineEdit* latitude = new QLineEdit("18.233", &owner);
    QLineEdit* longitude = new QLineEdit("42.517", &owner);
    QLineEdit* timeZone = new QLineEdit("3", &owner);
    std::unique_ptr<Form2> map;

    void SetUp() override {
        map = std::make_unique<Form2>(desk, latitude, longitude, &owner);
        map->show();
    }
    void TearDown() override { map.reset(); }

    // A click on the map at a pixel of its client area.
    void clickAt(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(map.get(), button, {}, QPoint(x, y));
    }
    MapPick expected(float x, float y) const {
        return PickMapPoint(x, y, map->OuterWidthTwips(), map->OuterHeightTwips());
    }
    void expectBoxesUntouched() const {
        EXPECT_EQ(latitude->text(), "18.233");
        EXPECT_EQ(longitude->text(), "42.517");
        EXPECT_EQ(timeZone->text(), "3");
    }
};

TEST_F(Form2Test, StartState) {
    EXPECT_EQ(map->windowTitle(), "World Map");
    EXPECT_TRUE(map->isModal());
    EXPECT_EQ(map->parentWidget(), &owner);
    EXPECT_EQ(map->size(), QSize(720, 320));
    EXPECT_EQ(map->Label2[0]->text(), "[Click on map]");
    EXPECT_EQ(map->Label2[1]->text(), "[Click on map]");
    EXPECT_EQ(map->Label1[0]->text(), "Latitude:");
    EXPECT_EQ(map->Label1[1]->text(), "Longitude:");
    EXPECT_EQ(map->Label4->text(), "Kabah");
    EXPECT_EQ(map->Label10[4]->text(), "Qiblah");
    EXPECT_EQ(map->Label9[0]->text() + map->Label9[1]->text() + map->Label9[2]->text() + map->Label9[3]->text(),
              "NESW");
    EXPECT_FALSE(map->Command2->isEnabled());
    EXPECT_TRUE(map->Command2->isDefault());
    EXPECT_EQ(map->Command2->text(), "Insert");
    EXPECT_EQ(map->Command1->text(), "Cancel");
    EXPECT_LT(map->Shape3->left(), 0);  // the click mark waits off the map
    EXPECT_LT(map->Shape3->geometry().left(), 0);
    // The needle points east from the compass centre.
    EXPECT_EQ(map->Line1->x1(), 1050);
    EXPECT_EQ(map->Line1->y1(), 2130);
    EXPECT_EQ(map->Line1->x2(), 1800);
    EXPECT_EQ(map->Line1->y2(), 2130);
    // The Kaaba's mark sits where it was drawn, on Makkah in the picture.
    EXPECT_EQ(map->Shape2->geometry(), QRect(440, 117, 5, 5));
    // The map picture fills the window: its north-east, clear of every control, as drawn.
    const QRect northEast(560, 0, 160, 100);
    const QImage shown = map->grab(northEast).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_TRUE(shown == testing_support::SourcePicture("calculator/resources/worldmap.png").copy(northEast));
}

TEST_F(Form2Test, InsertIsDisabledBeforeTheFirstClick) {
    QTest::mouseClick(map->Command2, Qt::LeftButton);
    QTest::keyClick(map.get(), Qt::Key_Return);
    EXPECT_TRUE(desk.messageBoxes.empty());
    EXPECT_TRUE(map->isVisible());
    expectBoxesUntouched();
}

TEST_F(Form2Test, ClickPicksThePointUnderTheMouse) {
    clickAt(440, 120);
    const MapPick pick = expected(6600, 1800);
    EXPECT_EQ(map->Label2[0]->text().toStdString(), pick.latitudeText);
    EXPECT_EQ(map->Label2[1]->text().toStdString(), pick.longitudeText);
    EXPECT_TRUE(map->Command2->isEnabled());
    EXPECT_EQ(map->Shape3->left(), 6600);
    EXPECT_EQ(map->Shape3->top(), 1800);
    EXPECT_EQ(map->Shape3->geometry().topLeft(), QPoint(440, 120));
    EXPECT_DOUBLE_EQ(map->Line1->x2(), pick.needle.x);
    EXPECT_DOUBLE_EQ(map->Line1->y2(), pick.needle.y);
    EXPECT_EQ(map->Line1->x1(), 1050);  // the needle keeps its start
    // The outer size counts the frame the platform draws round the client area.
    EXPECT_GT(map->OuterWidthTwips(), 10800 - 1);
    EXPECT_GT(map->OuterHeightTwips(), 4800 - 1);
}

TEST_F(Form2Test, AnyButtonPicksAndTheDrawingsLetClicksThrough) {
    clickAt(70, 142, Qt::RightButton);  // on the compass centre, its lines and the needle
    EXPECT_TRUE(map->Command2->isEnabled());
    EXPECT_EQ(map->Label2[1]->text().toStdString(), expected(1050, 2130).longitudeText);
    clickAt(442, 119, Qt::MiddleButton);  // on the Kaaba's mark
    EXPECT_EQ(map->Label2[1]->text().toStdString(), expected(6630, 1785).longitudeText);
}

TEST_F(Form2Test, ClickOnALabelPicksNothing) {
    QTest::mouseClick(map->Label2[0], Qt::LeftButton);
    QTest::mouseClick(map->Label3, Qt::LeftButton);
    QTest::mouseClick(map->Label4, Qt::LeftButton);
    EXPECT_FALSE(map->Command2->isEnabled());
    EXPECT_EQ(map->Label2[0]->text(), "[Click on map]");
}

TEST_F(Form2Test, EdgesOfTheMap) {
    map->Form_MouseDown(0, 0);
    EXPECT_EQ(map->Label2[0]->text(), " 90.00");
    EXPECT_EQ(map->Label2[1]->text(), "-180.00");
    map->Form_MouseDown(6600, map->OuterHeightTwips() - 400);  // below the counted height
    EXPECT_EQ(map->Label2[0]->text(), "-90.00");
}

TEST_F(Form2Test, NeedleStraightUpOnTheKaabaMeridian) {
    const float x = 219.9f * map->OuterWidthTwips() / 360.0f;  // 39.90 E
    for (float y : {150.0f, 1500.0f, 3000.0f}) {
        map->Form_MouseDown(x, y);
        ASSERT_EQ(map->Label2[1]->text(), " 39.90");
        EXPECT_EQ(TwipsToPixels(map->Line1->x2()), 70) << y;
        EXPECT_NEAR(map->Line1->y2(), 1330, 0.001) << y;
    }
}

TEST_F(Form2Test, NoKeepsEverything) {
    clickAt(440, 120);
    const QString lat = map->Label2[0]->text(), lon = map->Label2[1]->text();
    const double needleX = map->Line1->x2(), needleY = map->Line1->y2();
    desk.answers = {No};
    QTest::mouseClick(map->Command2, Qt::LeftButton);
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, "Insert the selected latitude and longitude values?");
    EXPECT_EQ(desk.messageBoxes[0].style, desktop::mb::YesNo);
    EXPECT_EQ(desk.messageBoxes[0].title, "Murvenik");
    EXPECT_TRUE(map->isVisible());
    EXPECT_EQ(map->Label2[0]->text(), lat);
    EXPECT_EQ(map->Label2[1]->text(), lon);
    EXPECT_EQ(map->Line1->x2(), needleX);
    EXPECT_EQ(map->Line1->y2(), needleY);
    EXPECT_TRUE(map->Command2->isEnabled());
    expectBoxesUntouched();
}

TEST_F(Form2Test, SecondClickReplacesTheFirst) {
    clickAt(440, 120);
    const double firstNeedleX = map->Line1->x2();
    clickAt(150, 80);
    const MapPick second = expected(2250, 1200);
    EXPECT_EQ(map->Label2[0]->text().toStdString(), second.latitudeText);
    EXPECT_EQ(map->Label2[1]->text().toStdString(), second.longitudeText);
    EXPECT_EQ(map->Shape3->geometry().topLeft(), QPoint(150, 80));
    EXPECT_NE(map->Line1->x2(), firstNeedleX);
    EXPECT_DOUBLE_EQ(map->Line1->x2(), second.needle.x);

    desk.answers = {Yes};
    QTest::mouseClick(map->Command2, Qt::LeftButton);
    EXPECT_EQ(latitude->text().toStdString(), second.latitudeText);
    EXPECT_EQ(longitude->text().toStdString(), second.longitudeText);
}

TEST_F(Form2Test, InsertCopiesTheTwoTextsAndCloses) {
    map->Form_MouseDown(7200, 2000);  // 6.28 N, 60 E
    const QString lat = map->Label2[0]->text(), lon = map->Label2[1]->text();
    ASSERT_TRUE(lat.startsWith(' '));
    desk.answers = {Yes};
    QTest::keyClick(map.get(), Qt::Key_Return);  // the default button
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(latitude->text(), lat);  // leading blanks and all
    EXPECT_EQ(longitude->text(), lon);
    EXPECT_EQ(timeZone->text(), "3");
    EXPECT_FALSE(map->isVisible());
    EXPECT_EQ(map->result(), QDialog::Accepted);
}

TEST_F(Form2Test, CancelAndEscapeCloseWithoutCopying) {
    clickAt(440, 120);
    QTest::mouseClick(map->Command1, Qt::LeftButton);
    EXPECT_FALSE(map->isVisible());
    map->show();
    QTest::keyClick(map.get(), Qt::Key_Escape);
    EXPECT_FALSE(map->isVisible());
    EXPECT_TRUE(desk.messageBoxes.empty());
    expectBoxesUntouched();
}

// The main window's "World Map" opens the picker modally; "Insert" fills its two
// boxes, which recompute the preview, and leaves the rest as it was.
TEST(Form2FromForm1, InsertFillsTheMainWindowsBoxes) {
    testing_support::ScriptedDesktop desk;
    desk.clock = QDateTime(QDate(2026, 1, 1), QTime(12, 0, 0));
    Form1 main(desk);
    main.show();
    const QString city = main.Combo1[0]->currentText();
    const QString zone = main.Text1[3]->text();
    const QString previewBefore = main.Text2Text();

    bool sawMap = false;
    QString pickedLatitude, pickedLongitude;
    desk.answers = {Yes};
    QTimer::singleShot(0, [&] {
        auto* map = qobject_cast<Form2*>(QApplication::activeModalWidget());
        if (!map) return;
        sawMap = map->parentWidget() == &main && map->isModal();
        map->Form_MouseDown(7200, 1200);
        pickedLatitude = map->Label2[0]->text();
        pickedLongitude = map->Label2[1]->text();
        QTest::mouseClick(map->Command2, Qt::LeftButton);
        if (map->isVisible()) map->reject();  // never leave the test hanging
    });
    QTest::mouseClick(main.Command3, Qt::LeftButton);

    ASSERT_TRUE(sawMap);
    EXPECT_EQ(main.Text1[1]->text(), pickedLatitude);
    EXPECT_EQ(main.Text1[2]->text(), pickedLongitude);
    EXPECT_EQ(main.Text1[3]->text(), zone);
    EXPECT_EQ(main.Combo1[0]->currentText(), city);
    EXPECT_NE(main.Text2Text(), previewBefore);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace calculator

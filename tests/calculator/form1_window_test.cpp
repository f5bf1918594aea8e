#include "tests/calculator/form1_fixture.h"

#include "calculator/form2.h"
#include "tests/support/centred_frame.h"
#include "tests/support/pictures.h"

#include <QMouseEvent>
#include <QTimer>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

namespace calculator {
namespace {

const QString kMakkahJan1 =
    "Fajr:  5:34 AM  Asr:  3:29 PM\r\n"
    "Tulu:  6:58 AM\tMaghrib:  5:49 PM\r\n"
    "Zuhr: 12:24 PM\tIsha:  7:18 PM";

TEST_F(Form1Test, StartsWithAbhaItsNumbersAndItsPreview) {
    EXPECT_EQ(form->windowTitle(), "Murvenik");
    EXPECT_EQ(form->size(), QSize(332, 472));
    ASSERT_EQ(form->Combo1[0]->count(), 200);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(form->Combo1[i]->count(), 200);
        EXPECT_TRUE(form->Combo1[i]->isHidden());
    }
    EXPECT_EQ(form->Combo1[0]->currentText(), "Abha");
    EXPECT_EQ(form->Combo1[0]->itemText(1), "Adelaide");
    EXPECT_EQ(form->Combo1[0]->itemText(5), "Alice springs");
    EXPECT_EQ(form->Combo1[0]->itemText(199), "Zagreb");
    EXPECT_EQ(form->Text1[1]->text(), "18.233");
    EXPECT_EQ(form->Text1[2]->text(), "42.517");
    EXPECT_EQ(form->Text1[3]->text(), "3");
    EXPECT_EQ(form->Text1[4]->text(), "AzaanTimes.dat");
    EXPECT_TRUE(form->Option1[0]->isChecked());
    EXPECT_EQ(form->Latitude, 18.233);
    EXPECT_EQ(form->AsrFactor, 1);
    EXPECT_EQ(form->GazetteerAddress, "https://www.geonames.org/");

    QStringList lines = form->Text2Text().split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Fajr:  5:")) << lines[0].toStdString();
    EXPECT_TRUE(lines[2].startsWith("Zuhr: 12:")) << lines[2].toStdString();
    EXPECT_EQ(form->Text2->toPlainText(), lines.join("\n"));
    EXPECT_EQ(form->Label2->text(), "Prayer times in Abha on January 1 (without DST)");
    EXPECT_EQ(form->MousePointer(), 0);
    EXPECT_TRUE(desk.messageBoxes.empty());
}

TEST_F(Form1Test, PreviewsMakkahOnTheFirstOfJanuary) {
    enterPlace("Makkah", "21.4225", "39.8262", "3");
    EXPECT_EQ(form->Text2Text(), kMakkahJan1);
    QString shown = kMakkahJan1;
    EXPECT_EQ(form->Text2->toPlainText(), shown.replace("\r\n", "\n"));
    EXPECT_EQ(form->Label2->text(), "Prayer times in Makkah on January 1 (without DST)");
}

// Where a character of the preview box stands on screen, from the start of its line.
qreal PreviewX(QPlainTextEdit* box, int line, int column) {
    const QTextBlock block = box->document()->findBlockByNumber(line);
    box->document()->documentLayout()->blockBoundingRect(block);  // lays the line out
    return block.layout()->lineAt(0).cursorToX(column);
}

// The preview's columns line up: every character it can show advances the same width, the
// tab stops fall every 8 of them, and so the second column starts at one place on all lines.
TEST_F(Form1Test, PreviewColumnsLineUpWithTabsEveryEightCharacters) {
    enterPlace("Makkah", "21.4225", "39.8262", "3");
    const QFontMetricsF metrics(form->Text2->font());
    const qreal cell = metrics.horizontalAdvance(' ');
    for (QChar c : form->Text2->toPlainText() + "0123456789")
        if (c != '\t' && c != '\n') {
            EXPECT_EQ(metrics.horizontalAdvance(c), cell) << "'" << c.toLatin1() << "'";
        }
    EXPECT_DOUBLE_EQ(form->Text2->tabStopDistance(), 8 * cell);

    // "Fajr:  5:34 AM  Asr:  3:29 PM" / "Tulu:  6:58 AM\tMaghrib:  5:49 PM" / "Zuhr: 12:24 PM\tIsha:  7:18 PM"
    ASSERT_EQ(form->Text2Text(), kMakkahJan1);
    const qreal am = PreviewX(form->Text2, 0, 12);
    const qreal secondColumn = PreviewX(form->Text2, 0, 16);
    EXPECT_NEAR(secondColumn - am, 4 * cell, 0.5);
    for (int line : {1, 2}) {
        EXPECT_NEAR(PreviewX(form->Text2, line, 12), am, 0.5) << "line " << line;
        EXPECT_NEAR(PreviewX(form->Text2, line, 15), secondColumn, 0.5) << "line " << line;
    }
}

TEST_F(Form1Test, EveryKeystrokeRecomputesByTheLeadingNumber) {
    enterPlace("Makkah", "21.4225", "39.8262", "3");
    form->Text1[1]->setText("21.5");
    const QString at21_5 = form->Text2Text();
    form->Text1[1]->setText("0");
    const QString at0 = form->Text2Text();
    ASSERT_NE(at21_5, at0);

    form->Text1[1]->clear();
    EXPECT_EQ(form->Latitude, 0);
    EXPECT_EQ(form->Text2Text(), at0);

    const int beeps = desk.beeps;
    QTest::keyClicks(form->Text1[1], "21.5x");
    EXPECT_EQ(desk.beeps, beeps + 5);  // one computation a keystroke
    EXPECT_EQ(form->Text1[1]->text(), "21.5x");
    EXPECT_EQ(form->Latitude, 21.5);
    EXPECT_EQ(form->Text2Text(), at21_5);

    form->Text1[1]->selectAll();
    QTest::keyClick(form->Text1[1], Qt::Key_Delete);
    EXPECT_EQ(form->Latitude, 0);
    EXPECT_EQ(form->Text2Text(), at0);
    EXPECT_EQ(form->MousePointer(), 0);
}

TEST_F(Form1Test, TypingInTheFileBoxRecomputesToo) {
    const int beeps = desk.beeps;
    QTest::keyClicks(form->Text1[4], "x");
    EXPECT_EQ(desk.beeps, beeps + 1);
}

TEST_F(Form1Test, APickOverwritesTypedNumbers) {
    enterPlace("my place", "1", "2", "3");
    form->Combo1[0]->setCurrentIndex(75);
    emit form->Combo1[0]->activated(75);
    EXPECT_EQ(form->Combo1[0]->currentText(), "Honolulu");
    EXPECT_EQ(form->Text1[1]->text(), "21.35");
    EXPECT_EQ(form->Text1[2]->text(), "-157.83");
    EXPECT_EQ(form->Text1[3]->text(), "-12");
    EXPECT_EQ(form->TimeZone, -12);
    EXPECT_EQ(form->Label2->text(), "Prayer times in Honolulu on January 1 (without DST)");
    EXPECT_EQ(form->MousePointer(), 0);

    // A pick by the keyboard counts as a pick as well.
    enterPlace("my place", "1", "2", "3");
    form->Combo1[0]->setCurrentIndex(183);
    QTest::keyClick(form->Combo1[0], Qt::Key_Down);
    EXPECT_EQ(form->Combo1[0]->currentText(), "Tonga");
    EXPECT_EQ(form->Text1[1]->text(), "-18.166");
    EXPECT_EQ(form->Text1[2]->text(), "-174.5");
    EXPECT_EQ(form->Text1[3]->text(), "-11.5");
}

// One notch of the wheel as the window system delivers it: to the window, at a point of a control.
void WheelOver(QWidget* window, QWidget* control, QPoint at, int notches) {
    const QPointF inWindow = control->mapTo(window, at);
    QWheelEvent wheel(inWindow, window->mapToGlobal(inWindow), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::sendEvent(window->windowHandle(), &wheel);
}

// Focus goes only to a control of the active window.
void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::processEvents();
}

// The main window and the world map each stand with their outer frame centred across the
// screen, 300 twips (20 pixels) above the middle.
TEST_F(Form1Test, MainWindowAndMapCentreTheirOuterFrame) {
    ShowActive(form.get());
    testing_support::ExpectCentredByOuterFrame(*form, 20);

    bool sawMap = false;
    QTimer::singleShot(0, [&] {
        auto* map = qobject_cast<Form2*>(QApplication::activeModalWidget());
        if (!map) return;
        sawMap = true;
        QApplication::processEvents();
        testing_support::ExpectCentredByOuterFrame(*map, 20);
        map->reject();
    });
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    EXPECT_TRUE(sawMap);
}

// The wheel passing over the closed list on its way down the window is no pick.
TEST_F(Form1Test, TheWheelOverTheUnfocusedListKeepsTheTypedPlace) {
    ShowActive(form.get());
    form->Text1[3]->setFocus();
    ASSERT_TRUE(form->Text1[3]->hasFocus());
    enterPlace("my place", "1", "2", "3");
    QComboBox* list = form->Combo1[0];
    const int picked = list->currentIndex();
    const QPoint points[] = {{list->width() - 5, list->height() / 2}, {5, list->height() / 2}};
    for (QPoint at : points)
        for (int notches : {1, -1}) {
            WheelOver(form.get(), list, at, notches);
            EXPECT_EQ(list->currentIndex(), picked);
            EXPECT_EQ(list->currentText(), "my place");
            EXPECT_EQ(form->Text1[1]->text(), "1");
            EXPECT_EQ(form->Text1[2]->text(), "2");
            EXPECT_EQ(form->Text1[3]->text(), "3");
            EXPECT_TRUE(form->Text1[3]->hasFocus());
        }
}

TEST_F(Form1Test, TheWheelOverTheFocusedListPicks) {
    ShowActive(form.get());
    QComboBox* list = form->Combo1[0];
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
    enterPlace("my place", "1", "2", "3");
    list->setCurrentIndex(184);
    WheelOver(form.get(), list, {list->width() - 5, list->height() / 2}, -1);
    EXPECT_EQ(list->currentIndex(), 185);
    EXPECT_EQ(form->Text1[1]->text(), form->Combo1[1]->itemText(185));
    EXPECT_EQ(form->Text1[2]->text(), form->Combo1[2]->itemText(185));
    EXPECT_EQ(form->Text1[3]->text(), form->Combo1[3]->itemText(185));
}

TEST_F(Form1Test, TypingAPlaceNameIsNoPick) {
    form->Combo1[0]->lineEdit()->clear();
    QTest::keyClicks(form->Combo1[0]->lineEdit(), "London");
    EXPECT_EQ(form->Text1[1]->text(), "18.233");
    EXPECT_EQ(form->Combo1[0]->count(), 200);
}

// Enter after a typed name goes to the create command with the typed numbers: the list
// neither completes the name nor picks the entry it matches.
TEST_F(Form1Test, EnterAfterATypedNameKeepsTheTypedNumbers) {
    form->show();
    enterPlace("", "1.5", "2.5", "3");
    form->Combo1[0]->setFocus();
    QTest::keyClicks(form->Combo1[0]->lineEdit(), "lon");
    EXPECT_EQ(form->Combo1[0]->currentText(), "lon");
    QTest::keyClicks(form->Combo1[0]->lineEdit(), "don");
    desk.answers = {desktop::answer::No};
    QTest::keyClick(form->Combo1[0]->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form->Text1[1]->text(), "1.5");
    EXPECT_EQ(form->Text1[2]->text(), "2.5");
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_TRUE(desk.messageBoxes[0].text.startsWith("City\t\tLondon\rLatitude\t\t 1.5\r"))
        << desk.messageBoxes[0].text.toStdString();
}

TEST_F(Form1Test, TheAsrChoiceChangesOnlyAsr) {
    enterPlace("Makkah", "21.4225", "39.8262", "3");
    const QStringList one = form->Text2Text().split("\r\n");
    const int beeps = desk.beeps;
    QTest::mouseClick(form->Option1[1], Qt::LeftButton);
    ASSERT_TRUE(form->Option1[1]->isChecked());
    EXPECT_EQ(desk.beeps, beeps + 1);
    EXPECT_EQ(form->AsrFactor, 2);
    const QStringList two = form->Text2Text().split("\r\n");
    ASSERT_EQ(two.size(), 3);
    EXPECT_EQ(two[0].left(16), one[0].left(16));  // "Fajr:  5:34 AM  "
    EXPECT_NE(two[0].mid(16), one[0].mid(16));
    EXPECT_TRUE(two[0].mid(16).startsWith("Asr:  ")) << two[0].toStdString();
    EXPECT_EQ(two[1], one[1]);
    EXPECT_EQ(two[2], one[2]);

    QTest::mouseClick(form->Option1[0], Qt::LeftButton);
    EXPECT_EQ(form->Text2Text().split("\r\n"), one);
}

TEST_F(Form1Test, TodayIsNumberedInAYearWithTwentyNineFebruaryDays) {
    const std::pair<QDate, int> days[] = {
        {QDate(2024, 2, 29), 60},
        {QDate(2026, 3, 1), 61},
        {QDate(2026, 12, 31), 366},
        {QDate(2026, 1, 1), 1},
    };
    for (auto [date, dayNo] : days) {
        desk.clock = QDateTime(date, QTime(8, 0));
        EXPECT_EQ(form->TodayDayNo(), dayNo) << date.toString().toStdString();
    }
    // The preview follows the clock: Makkah at midsummer.
    desk.clock = QDateTime(QDate(2026, 6, 21), QTime(8, 0));
    enterPlace("Makkah", "21.4225", "39.8262", "3");
    EXPECT_EQ(form->Label2->text(), "Prayer times in Makkah on June 21 (without DST)");
    EXPECT_NE(form->Text2Text(), kMakkahJan1);
}

TEST_F(Form1Test, HeadingClickRecomputesAndHoverShowsTheToolTip) {
    const int beeps = desk.beeps;
    QTest::mouseClick(form->Label2, Qt::LeftButton);
    EXPECT_EQ(desk.beeps, beeps + 1);
    EXPECT_EQ(form->MousePointer(), 0);

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), form->Label2->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->Label2, &move);
    EXPECT_EQ(form->Label2->toolTip(), "Prayer times in Abha on January 1 (without Daylight Saving Time)");
}

TEST_F(Form1Test, EnteringABoxSelectsFromTheCaretToTheEnd) {
    form->Text1[2]->setCursorPosition(0);
    form->Text1_GotFocus(2);
    EXPECT_EQ(form->Text1[2]->selectedText(), "42.517");
    form->Text1[2]->setCursorPosition(3);
    form->Text1_GotFocus(2);
    EXPECT_EQ(form->Text1[2]->selectedText(), "517");
}

// Keys as the user presses them: to whatever has the focus.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Tabbing into a box selects from where its caret was left to the end. Text the program
// puts into a box leaves its caret at the start, so the whole text is selected.
TEST_F(Form1Test, TabbingIntoABoxSelectsFromWhereItsCaretWasLeft) {
    ShowActive(form.get());
    QLineEdit* latitude = form->Text1[1];
    latitude->setFocus();
    const struct {
        int caret;
        const char* typed;
        const char* reads;
    } cases[] = {{6, "9", "18.2339"}, {3, "5", "18.5"}, {0, "7", "7"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        latitude->setCursorPosition(c.caret);  // where the user leaves the caret
        Press(Qt::Key_Tab);
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_TRUE(latitude->hasFocus());
        QTest::keyClicks(latitude, c.typed);
        EXPECT_EQ(latitude->text().toStdString(), c.reads);
        latitude->setText("18.233");
    }

    latitude->setCursorPosition(3);
    Press(Qt::Key_Tab);
    form->Combo1[0]->setCurrentIndex(75);  // Honolulu, picked while the caret is elsewhere
    emit form->Combo1[0]->activated(75);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(latitude->hasFocus());
    EXPECT_EQ(latitude->selectedText().toStdString(), "21.35");
}

// Coming back to the window is no entering of the box: the user's selection stays.
TEST_F(Form1Test, ReturningToTheWindowKeepsTheBoxsSelection) {
    ShowActive(form.get());
    QLineEdit* latitude = form->Text1[1];
    latitude->setFocus();
    latitude->setSelection(3, 2);
    QWidget other;
    ShowActive(&other);
    ASSERT_FALSE(form->isActiveWindow());
    ShowActive(form.get());
    ASSERT_TRUE(latitude->hasFocus());
    EXPECT_EQ(latitude->selectedText().toStdString(), "23");
}

// The window's corner and the two source buttons show the program's own pictures.
TEST_F(Form1Test, IconAndButtonsShowTheProgramsPictures) {
    using testing_support::IconShows;
    using testing_support::SourcePicture;
    for (const char* size : {"16", "32", "64"})
        EXPECT_TRUE(
            IconShows(form->windowIcon(), SourcePicture(QString("calculator/resources/velstra_%1.png").arg(size))))
            << size;
    EXPECT_TRUE(IconShows(form->Command3->icon(), SourcePicture("calculator/resources/worldmap_button.png")));
    EXPECT_TRUE(IconShows(form->Command4->icon(), SourcePicture("calculator/resources/internet_button.png")));
}

TEST_F(Form1Test, LayoutCaptionsColoursAndTabOrder) {
    EXPECT_EQ(form->Label1[0]->text(), "City name");
    EXPECT_EQ(form->Label1[9]->text(), "Positive on East, Negative on West (of Greenwich)");
    EXPECT_EQ(form->Label1[0]->toolTip(), "Select your city or enter name, latitude, longitude and time zone.");
    EXPECT_EQ(form->Option1[0]->text(), "One shadow length (Sha'fi sect)");
    EXPECT_EQ(form->Option1[1]->text(), "Two shadow length (Hanafi sect)");
    EXPECT_EQ(form->Command1[1]->text(), "Create Prayer Times File");
    EXPECT_EQ(form->Command3->text(), "World Map");
    EXPECT_EQ(form->Command4->text(), "Internet (Recommended)");
    EXPECT_TRUE(form->Command1[1]->isDefault());
    EXPECT_EQ(form->Command1[0], nullptr);
    EXPECT_EQ(form->Text1[0], nullptr);

    EXPECT_EQ(form->Text1[1]->geometry(), QRect(126, 58, 50, 23));  // 1890, 870, 750 x 350 twips
    EXPECT_EQ(form->Text2->geometry(), QRect(10, 408, 303, 55));
    EXPECT_EQ(form->Label1[7]->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(form->Label1[5]->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText), QColor(0, 128, 0));

    QWidget* expected[] = {form->Combo1[0],  form->Text1[1],   form->Text1[2], form->Text1[3], form->Text1[4],
                           form->Option1[0], form->Option1[1], form->Command3, form->Command4, form->Command1[1]};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
        QWidget* next = expected[i]->nextInFocusChain();
        // Skip what lies inside a control (the place list's own text box) and what takes no tab.
        while (next != expected[i + 1] && (expected[i]->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus)))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i + 1]) << "after tab position " << i;
    }
}

// A caption is cut off when its box is narrower than its text on one line, or lower
// than its wrapped lines.
TEST_F(Form1Test, NoLabelIsCutOff) {
    std::vector<QLabel*> labels(form->Label1.begin(), form->Label1.end());
    labels.push_back(form->Label2);
    for (QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        QFontMetrics metrics(label->font());
        if (label->wordWrap())
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        else {
            EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text()));
            EXPECT_GE(label->height(), metrics.height());
        }
        EXPECT_TRUE(form->Frame1->rect().contains(label->geometry()));
    }
}

}  // namespace
}  // namespace calculator

namespace calculator {
namespace {

// The heading names the place: with the longest month it must still show whole for every
// place of the list, clear of the controls around it.
TEST_F(Form1Test, TheHeadingShowsWholeForEveryPlace) {
    desk.clock = QDateTime(QDate(2026, 9, 30), QTime(8, 0));
    for (int i = 0; i < form->Combo1[0]->count(); ++i) {
        form->Combo1[0]->setCurrentIndex(i);
        emit form->Combo1[0]->activated(i);
        SCOPED_TRACE(form->Label2->text().toStdString());
        const QRect heading = form->Label2->geometry();
        EXPECT_GE(heading.height(), form->Label2->heightForWidth(heading.width()));
        for (QWidget* other : {static_cast<QWidget*>(form->Text2), static_cast<QWidget*>(form->Command1[1]),
                               static_cast<QWidget*>(form->Command3), static_cast<QWidget*>(form->Label1[10])})
            EXPECT_FALSE(heading.intersects(other->geometry()));
    }
}

}  // namespace
}  // namespace calculator

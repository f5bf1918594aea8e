#include "tests/calculator/form1_fixture.h"

#include <QTextDocumentFragment>

namespace calculator {
namespace {

// What a tool tip shows: Qt takes a tip for rich text when it looks like markup.
QString ShownTip(const QString& tip) {
    return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
}

class HeadingTest : public Form1Test {
protected:
    void showPlace(const QString& name) {
        form->Combo1[0]->setEditText(name);
        form->Label2_Click();
        form->Label2_MouseMove();
    }
    // Every control of the window but the heading itself.
    std::vector<QWidget*> otherControls() const {
        std::vector<QWidget*> others;
        for (QWidget* child : form->Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != form->Label2 && !child->isHidden()) others.push_back(child);
        return others;
    }
};

TEST_F(HeadingTest, AMarkupNameShowsAsItsOwnText) {
    const QString name = "<h1>Big</h1><i>town</i> & <b>co";
    showPlace(name);
    EXPECT_EQ(form->Label2->textFormat(), Qt::PlainText);
    EXPECT_EQ(form->Label2->shownText(), "Prayer times in " + name + " on January 1 (without DST)");
    EXPECT_EQ(ShownTip(form->Label2->toolTip()),
              "Prayer times in " + name + " on January 1 (without Daylight Saving Time)");

    // A plain name keeps a plain tip.
    showPlace("Abha");
    EXPECT_EQ(form->Label2->toolTip(), "Prayer times in Abha on January 1 (without Daylight Saving Time)");
}

// A name too long for the heading is cut at the end; the heading never covers another control.
TEST_F(HeadingTest, ALongNameIsCutShortInsideTheHeadingsOwnArea) {
    desk.clock = QDateTime(QDate(2026, 9, 30), QTime(8, 0));
    const QString names[] = {
        QString("Saint ").repeated(20) + "End",
        QString(90, QChar('W')),
        QString::fromUtf8("Ĳsselmonde ünd Åre ").repeated(8),
    };
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        showPlace(name);
        const QRect heading = form->Label2->geometry();
        EXPECT_TRUE(form->Frame1->rect().contains(heading));
        for (QWidget* other : otherControls())
            EXPECT_FALSE(heading.intersects(other->geometry())) << other->metaObject()->className();

        const QString shown = form->Label2->shownText();
        EXPECT_TRUE(shown.startsWith("Prayer times in ")) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        const QRect area = form->Label2->contentsRect();
        const QRect needed =
            form->Label2->fontMetrics().boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
        EXPECT_LE(needed.width(), area.width());
        EXPECT_LE(needed.height(), area.height());
        // The caption itself stays whole.
        EXPECT_EQ(form->Label2->text(), "Prayer times in " + name + " on September 30 (without DST)");
    }
}

}  // namespace
}  // namespace calculator

#include "announcer/modify.h"

#include "announcer/core/messages.h"
#include "announcer/core/today_times.h"
#include "desktop/enter_key.h"
#include "desktop/path_text.h"
#include "engine/times_file.h"
#include "engine/utf8_text.h"
#include "files/atomic_file.h"
#include "files/times_file_at.h"
#include "window_common/centre_window.h"
#include "window_common/twips.h"
#include "window_common/window_font.h"
#include "window_common/window_text.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <utility>

using window_common::Q;
using window_common::S;
using window_common::SetTextColour;
using window_common::Twips;
using window_common::TwipsToPixels;

namespace announcer {

namespace {

void SetBold(QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

constexpr int WidthTwips = 5895;
constexpr int HeightTwips = 5970;

// The six rows of the grid, in the frame's twips: label, time box and button tops.
constexpr std::array<int, TimesPerDay> LabelTops = {315, 780, 1275, 1770, 2220, 2715};
constexpr std::array<int, TimesPerDay> BoxTops = {270, 765, 1230, 1710, 2190, 2670};
constexpr std::array<int, TimesPerDay> ButtonTops = {285, 735, 1230, 1725, 2220, 2670};

// The prayers' time boxes are Text2[3..8] and their names Label1[2..7], Fajr first.
constexpr int FirstTimeBox = 3;
constexpr int FirstTimeLabel = 2;

}  // namespace

Modify::Modify(desktop::Desktop& desk, std::string timesPath, std::function<void()> afterSave, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      desk_(desk),
      timesPath_(std::move(timesPath)),
      afterSave_(std::move(afterSave)) {
    buildControls();
}

void Modify::buildControls() {
    setWindowTitle(QStringLiteral("Fine-Tune Prayer Times"));
    setFixedSize(TwipsToPixels(WidthTwips), TwipsToPixels(HeightTwips));
    setFont(window_common::WindowFontInPoints());

    Label1[8] = new QLabel(QStringLiteral("Note:"), this);
    Label1[8]->move(TwipsToPixels(315), TwipsToPixels(45));
    SetTextColour(Label1[8], QColor(192, 0, 0));

    Label1[0] = new QLabel(
        QStringLiteral("Following are the raw timings. Daylight Saving Time (if any) will be applied later on the "
                       "main screen. You may correct the times to correspond to your particular location. Rest of "
                       "the timings will be scaled proportionately."),
        this);
    Label1[0]->setWordWrap(true);
    Label1[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The stand-in sans is wider than the toolkit's own: at the window's size the note
    // takes four lines, which 600 twips cannot hold; a little smaller it keeps to three.
    QFont note = font();
    note.setPointSizeF(7.5);
    Label1[0]->setFont(note);
    Label1[0]->setGeometry(Twips(315, 270, 5295, 600));

    Label1[1] = new QLabel(QStringLiteral("City"), this);
    Label1[1]->move(TwipsToPixels(360), TwipsToPixels(990));
    SetTextColour(Label1[1], QColor(0, 128, 0));

    Text1 = new QLineEdit(this);
    Text1->setGeometry(Twips(360, 1260, 1545, 330));

    Combo1 = new QComboBox(this);
    for (const char* name : PeriodKindNames) Combo1->addItem(QString::fromLatin1(name));
    Combo1->setGeometry(TwipsToPixels(360), TwipsToPixels(1710), TwipsToPixels(1545), Combo1->sizeHint().height());

    List1[2] = new QListWidget(this);
    List1[2]->setGeometry(Twips(360, 2160, 1545, 3180));
    List1[0] = new QListWidget(this);
    List1[0]->hide();

    Picture1 = new QFrame(this);
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setGeometry(Twips(2160, 1440, 3300, 3300));

    for (int row = FajrTime; row < TimesPerDay; ++row) {
        QLabel* label = new QLabel(QString::fromLatin1(TimeNames[static_cast<size_t>(row)]), Picture1);
        SetBold(label);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // From its own top, tall enough that the centred name sits level with the time box beside it.
        const int labelTop = TwipsToPixels(LabelTops[static_cast<size_t>(row)]);
        const int boxMiddle = TwipsToPixels(BoxTops[static_cast<size_t>(row)]) + TwipsToPixels(330) / 2;
        label->setGeometry(0, labelTop, TwipsToPixels(780), 2 * (boxMiddle - labelTop));
        Label1[static_cast<size_t>(FirstTimeLabel + row)] = label;

        QLineEdit* box = new QLineEdit(Picture1);
        box->setReadOnly(true);
        box->setGeometry(Twips(900, BoxTops[static_cast<size_t>(row)], 1230, 330));
        Text2[static_cast<size_t>(FirstTimeBox + row)] = box;

        for (int k = 2 * row; k <= 2 * row + 1; ++k) {
            const bool down = k % 2 == 0;
            QPushButton* b = new QPushButton(down ? QStringLiteral("<") : QStringLiteral(">"), Picture1);
            SetBold(b);
            b->setAutoDefault(false);
            b->setGeometry(Twips(down ? 2160 : 2475, ButtonTops[static_cast<size_t>(row)], 330, 330));
            connect(b, &QPushButton::clicked, this, [this, k] { Command3_Click(k); });
            Command3[static_cast<size_t>(k)] = b;
        }
    }

    Command5 = new QPushButton(QStringLiteral("Help"), this);
    Command5->setGeometry(Twips(2160, 5265, 1000, 450));
    Command2 = new QPushButton(QStringLiteral("Close"), this);
    Command2->setGeometry(Twips(3307, 5265, 1000, 450));
    Command1 = new QPushButton(QStringLiteral("Save"), this);
    Command1->setGeometry(Twips(4455, 5265, 1000, 450));
    Command1->setDefault(true);
    Command4 = new QPushButton(QStringLiteral("scale all"), this);
    Command4->hide();
    for (QPushButton* b : {Command5, Command2, Command4}) b->setAutoDefault(false);

    connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    connect(List1[2], &QListWidget::currentRowChanged, this, &Modify::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &Modify::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Modify::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Modify::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Modify::Command5_Click);
}

void Modify::keyPressEvent(QKeyEvent* e) {
    // Esc is Help (the cancel button); Enter is the focused button, else Save (the default).
    if (e->key() == Qt::Key_Escape) {
        Command5->click();
        return;
    }
    if (desktop::PressButtonForEnter(*e, *this, *Command1)) return;
    QWidget::keyPressEvent(e);
}

// ---------------------------------------------------------------- opening and loading

void Modify::Form_Load() {
    window_common::CentreByOuterFrame(this, TwipsToPixels(500));
    Combo1->setCurrentIndex(static_cast<int>(PeriodKind::Monthly));
    Combo1_Click();
}

void Modify::setEditable(bool editable) {
    Command1->setEnabled(editable);
    for (QPushButton* b : Command3) b->setEnabled(editable);
}

void Modify::showLoadFailure(engine::ReadOutcome outcome) {
    desk_.messageBox(Q(EditorLoadFailure(TimesFileProblem(outcome), desktop::PathTextUtf8(TimesFilePath()))),
                     desktop::mb::OkOnly + desktop::mb::Exclamation, QString());
}

void Modify::Combo1_Click() {
    // Every choice reloads the file, so unsaved steps are lost.
    engine::TimesFileData data;
    const engine::ReadOutcome outcome = files::ReadTimesFileAt(TimesFilePath(), data);
    FineTuneYear year;
    const bool whole = outcome == engine::ReadOutcome::Whole && year.load(data);
    DayTimes = year;

    List1[0]->clear();
    anchors_.clear();
    {
        const QSignalBlocker quiet(List1[2]);
        List1[2]->clear();
    }
    for (QLineEdit* box : Text2)
        if (box) box->clear();
    setEditable(whole);
    if (!whole) {
        Text1->clear();
        showLoadFailure(outcome);
        return;
    }

    Text1->setText(Q(engine::FileTextAsUtf8(DayTimes.cityLine())));
    Text1->setCursorPosition(0);  // a long city line shows from its start
    const auto kind = static_cast<PeriodKind>(Combo1->currentIndex());
    anchors_ = PeriodStarts(kind);
    {
        const QSignalBlocker quiet(List1[2]);
        for (int a : anchors_) {
            const FineTuneDay& day = DayTimes.day(a);
            List1[2]->addItem(Q(day.date));
            List1[0]->addItem(QString::number(day.dayNo));
        }
        List1[2]->setCurrentRow(-1);
    }
    List1[2]->setCurrentRow(0);  // shows the first anchor
}

int Modify::selectedAnchorRow() const {
    const int position = List1[2]->currentRow();
    if (position < 0 || position >= static_cast<int>(anchors_.size())) return 0;
    return anchors_[static_cast<size_t>(position)];
}

void Modify::List1_Click(int) {
    const int d = selectedAnchorRow();
    if (!DayTimes.loaded() || d < 1 || d > engine::DaysInYear) return;
    for (int prayer = FajrTime; prayer < TimesPerDay; ++prayer)
        Text2[static_cast<size_t>(FirstTimeBox + prayer)]->setText(Q(DayTimes.timeText(d, prayer)));
}

// ---------------------------------------------------------------- editing

void Modify::Command3_Click(int Index) {
    const int d = selectedAnchorRow();
    if (!DayTimes.loaded() || d < 1 || d > engine::DaysInYear) return;
    // The box is the value the user sees: step its text, then store all six boxes.
    QLineEdit* box = Text2[static_cast<size_t>(FirstTimeBox + Index / 2)];
    const std::optional<std::string> moved = SteppedTimeText(S(box->text()), Index % 2 == 0 ? -1 : +1);
    if (!moved) return;
    box->setText(Q(*moved));
    box->setCursorPosition(0);  // a date in front of the time shows from its start
    std::array<std::string, TimesPerDay> texts;
    for (int prayer = FajrTime; prayer < TimesPerDay; ++prayer)
        texts[static_cast<size_t>(prayer)] = S(Text2[static_cast<size_t>(FirstTimeBox + prayer)]->text());
    DayTimes.storeTexts(d, texts);
}

void Modify::Command4_Click() { DayTimes.scaleAll(anchors_); }

void Modify::Command1_Click() {
    if (!DayTimes.loaded()) return;  // nothing whole to save
    Command4->click();

    const std::string path = TimesFilePath();
    const std::vector<std::string> lines = DayTimes.editorForm(S(Text1->text()));
    // Checked before it is written: the announcer must be able to read what it gets.
    std::optional<std::string> refusal = ReadBackProblem(lines);
    if (!refusal) {
        if (const files::SaveResult failure = files::SaveTextFile(path, lines)) refusal = failure->reason;
    }
    if (refusal) {
        desk_.messageBox(Q(EditorSaveFailure(desktop::PathTextUtf8(path), *refusal)),
                         desktop::mb::OkOnly + desktop::mb::Critical, QString());
        return;
    }
    desk_.messageBox(QString::fromLatin1(kEditorSaved), desktop::mb::OkOnly, QString());
    if (afterSave_) afterSave_();
    desk_.startCommandLine("notepad " + path, desktop::show::Normal);
}

void Modify::Command2_Click() { close(); }

void Modify::Command5_Click() { desk_.messageBox(QString::fromLatin1(kEditorHelp), desktop::mb::OkOnly, QString()); }

}  // namespace announcer

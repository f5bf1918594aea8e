#include "calculator/form1.h"

#include "calculator/form2.h"
#include "calculator/messages.h"
#include "calculator/output_path.h"
#include "calculator/place_table.h"
#include "calculator/preview_text.h"
#include "desktop/enter_key.h"
#include "desktop/path_text.h"
#include "engine/clock_text.h"
#include "engine/day_line.h"
#include "engine/day_numbering.h"
#include "engine/leading_number.h"
#include "engine/qibla.h"
#include "engine/solar.h"
#include "engine/times_file.h"
#include "files/calculator_file.h"
#include "files/name_look.h"
#include "window_common/centre_window.h"
#include "window_common/program_icon.h"
#include "window_common/twips.h"
#include "window_common/window_font.h"
#include "window_common/window_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStyle>

namespace calculator {

using window_common::Q;
using window_common::S;
using window_common::SetTextColour;
using window_common::Twips;
using window_common::TwipsToPixels;

namespace {

constexpr int kPointerDefault = 0;
constexpr int kPointerBusy = 11;

const QColor kDarkRed(128, 0, 0);
const QColor kBlue(0, 0, 192);
const QColor kDarkGreen(0, 128, 0);

struct LabelPlace {
    int index;
    const char* caption;
    int left, top, width, height;
    QColor colour;
};

// Labels keep their box but grow where this font needs more room than the box gives,
// so that no caption is cut off. Boxes of two lines or more wrap their caption.
void PlaceLabel(QLabel* label, const QRect& box) {
    QFontMetrics metrics(label->font());
    bool wraps = box.height() >= 2 * metrics.height() - 2;
    label->setWordWrap(wraps);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QRect rect = box;
    if (wraps) {
        rect.setHeight(std::max(box.height(), label->heightForWidth(box.width())));
    } else {
        rect.setWidth(std::max(box.width(), metrics.horizontalAdvance(label->text()) + 2));
        rect.setHeight(std::max(box.height(), metrics.height()));
    }
    label->setGeometry(rect);
}

// The preview lines its columns up with blanks and tabs, so every character must advance
// the same width. A monospaced family the programs install is asked for by name: the
// desktop's own fixed font may be one the toolkit cannot tell is monospaced.
QFont PreviewFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const char* family : {"DejaVu Sans Mono", "Liberation Mono"}) {
        if (QFontDatabase::hasFamily(family)) {
            font = QFont(family);
            break;
        }
    }
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(12);
    return font;
}

}  // namespace

Form1::Form1(desktop::Desktop& desk, SinkWrapper wrapSink, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), desk_(desk), wrapSink_(std::move(wrapSink)) {
    buildControls();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    setWindowTitle("Murvenik");
    setFont(window_common::WindowFontInPixels());
    setFixedSize(TwipsToPixels(4980), TwipsToPixels(7080));

    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(Twips(30, -30, 4905, 7065));

    const LabelPlace labels[] = {
        {0, "City name", 180, 420, 690, 195, {}},
        {1, "Latitude (+/-)", 210, 990, 915, 195, {}},
        {2, "Longitude (+/-)", 195, 1470, 1050, 195, {}},
        {3, "Time zone (+/- hours relative to GMT)", 180, 1980, 1680, 525, {}},
        {4, "Output file", 225, 2640, 720, 195, {}},
        {5, "Note: For Kelvora software to work, the filename should be 'AzaanTimes.dat'", 210, 3030, 4275, 465, kBlue},
        {6, "Criteria for Asr prayer time", 180, 3600, 1785, 195, {}},
        {7, "Positive for North Negative for South", 2730, 840, 1470, 435, kDarkRed},
        {8, "Positive for East Negative for West", 2730, 1380, 1470, 435, kDarkRed},
        {9, "Positive on East, Negative on West (of Greenwich)", 2700, 1890, 1485, 615, kDarkRed},
        {10, "For cities not listed above, latitude and longitude values can be obtained from these sources", 210, 4450,
         1890, 780, kDarkRed},
    };
    for (const LabelPlace& place : labels) {
        QLabel* label = new QLabel(place.caption, Frame1);
        if (place.colour.isValid()) SetTextColour(label, place.colour);
        PlaceLabel(label, Twips(place.left, place.top, place.width, place.height));
        Label1[place.index] = label;
    }
    Label1[0]->setToolTip("Select your city or enter name, latitude, longitude and time zone.");

    Combo1[0] = new PickList(Frame1);
    Combo1[0]->setEditable(true);
    Combo1[0]->setInsertPolicy(QComboBox::NoInsert);
    // Only a pick from the list is a pick: a typed name is neither completed nor, on
    // Enter, matched to an entry (which would replace the typed numbers).
    Combo1[0]->setCompleter(nullptr);
    disconnect(Combo1[0]->lineEdit(), &QLineEdit::returnPressed, nullptr, nullptr);
    Combo1[0]->setMaxVisibleItems(12);
    Combo1[0]->setGeometry(Twips(1890, 330, 2505, 315));
    const int hiddenTops[] = {3270, 3690, 4110};
    for (int i = 1; i <= 3; ++i) {
        Combo1[i] = new QComboBox(Frame1);
        Combo1[i]->setGeometry(Twips(4710, hiddenTops[i - 1], 1185, 315));
        Combo1[i]->hide();
    }

    const QRect boxes[] = {Twips(1890, 870, 750, 350), Twips(1890, 1410, 750, 350), Twips(1890, 1980, 750, 350),
                           Twips(1185, 2610, 3225, 350)};
    for (int i = 1; i <= 4; ++i) {
        Text1[i] = new FocusLineEdit(Frame1);
        Text1[i]->setGeometry(boxes[i - 1]);
    }

    Option1[0] = new WrapRadioButton("One shadow length (Sha'fi sect)", Frame1);
    Option1[0]->setGeometry(Twips(180, 3825, 1800, 405));
    Option1[1] = new WrapRadioButton("Two shadow length (Hanafi sect)", Frame1);
    Option1[1]->setGeometry(Twips(2130, 3825, 1800, 405));
    Option1[0]->setChecked(true);

    Command3 = new PictureButton("World Map", Frame1);
    Command3->setGeometry(Twips(2220, 4450, 1200, 915));
    setWindowIcon(window_common::ProgramIcon(":/resources/velstra_%1.png"));
    Command3->setIcon(QIcon(":/resources/worldmap_button.png"));
    Command3->setIconSize(QSize(24, 24));
    Command4 = new PictureButton("Internet (Recommended)", Frame1);
    Command4->setGeometry(Twips(3480, 4450, 1300, 915));
    Command4->setIcon(QIcon(":/resources/internet_button.png"));
    Command4->setIconSize(QSize(24, 24));

    Label2 = new HeadingLabel(Frame1);
    SetTextColour(Label2, kDarkGreen);
    Label2->setMouseTracking(true);
    Label2->setGeometry(Twips(210, 5675, 2055, 495));

    Command1[1] = new QPushButton("Create Prayer Times File", Frame1);
    Command1[1]->setGeometry(Twips(2550, 5580, 2190, 420));
    Command1[1]->setDefault(true);

    Text2 = new QPlainTextEdit(Frame1);
    Text2->setGeometry(Twips(150, 6120, 4545, 825));
    QFont fixed = PreviewFont();
    Text2->setFont(fixed);
    Text2->setTabStopDistance(8 * QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')));
    Text2->setReadOnly(true);
    Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->document()->setDocumentMargin(2);
    Text2->setFocusPolicy(Qt::ClickFocus);

    // Tab order: place, the four boxes, the two options, the two sources, create.
    QWidget* order[] = {Combo1[0],  Text1[1],   Text1[2], Text1[3], Text1[4],
                        Option1[0], Option1[1], Command3, Command4, Command1[1]};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    connect(Combo1[0], &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    for (int i = 1; i <= 4; ++i) {
        connect(Text1[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        connect(Text1[i], &FocusLineEdit::gotFocus, this, [this, i] { Text1_GotFocus(i); });
    }
    for (int i = 0; i <= 1; ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
    connect(Label2, &EventLabel::clicked, this, [this] { Label2_Click(); });
    connect(Label2, &EventLabel::mouseMoved, this, [this] { Label2_MouseMove(); });
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void Form1::setMousePointer(int code) {
    mousePointer_ = code;
    if (code == kPointerBusy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

// One shadow length when the first option is selected, else two.
int Form1::chosenAsrFactor() const { return Option1[0]->isChecked() ? 1 : 2; }

// --- start and end ---

void Form1::Form_Load() {
    GazetteerAddress = "https://www.geonames.org/";

    window_common::CentreByOuterFrame(this, TwipsToPixels(300));

    Text1[4]->setText(engine::TimesFileName);
    FillCombo();
}

void Form1::Form_Unload() { QCoreApplication::quit(); }

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

// --- the place list ---

void Form1::FillCombo() {
    for (QComboBox* list : Combo1) list->clear();
    for (const Place& place : PlaceTable()) {
        Combo1[0]->addItem(place.name);
        Combo1[1]->addItem(place.latitude);
        Combo1[2]->addItem(place.longitude);
        Combo1[3]->addItem(place.timeZone);
    }
    for (int i = 0; i < Combo1[0]->count(); ++i)
        Combo1[0]->setItemText(i, Q(ShownPlaceName(S(Combo1[0]->itemText(i)))));
    Combo1[0]->setCurrentIndex(0);
    Combo1_Click();  // selecting an entry is a pick
}

void Form1::Combo1_Click() {
    setMousePointer(kPointerBusy);
    int picked = Combo1[0]->currentIndex();
    for (int i = 1; i <= 3; ++i) Text1[i]->setText(Combo1[i]->itemText(picked));
    showTodayFromBoxes();
    setMousePointer(kPointerDefault);
}

// --- the preview ---

void Form1::Text1_Change(int) { showTodayFromBoxes(); }

void Form1::Option1_Click(int) { showTodayFromBoxes(); }

void Form1::Label2_Click() {
    setMousePointer(kPointerBusy);
    showTodayFromBoxes();
    setMousePointer(kPointerDefault);
}

void Form1::Label2_MouseMove() {
    QDate today = desk_.now().date();
    Label2->setToolTip(PlainToolTip(Q(PreviewToolTip(S(Combo1[0]->currentText()), today.month(), today.day()))));
}

void Form1::Text1_GotFocus(int index) {
    QLineEdit* box = Text1[index];
    int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    box->setSelection(start, int(box->text().size()));
}

void Form1::showTodayFromBoxes() {
    ShowTodayTimes(engine::LeadingNumber(S(Text1[1]->text())), engine::LeadingNumber(S(Text1[2]->text())),
                   engine::LeadingNumber(S(Text1[3]->text())));
}

int Form1::TodayDayNo() {
    QDate today = desk_.now().date();
    return engine::LeapDayNo(today.month(), today.day());
}

void Form1::ShowTodayTimes(double latitude, double longitude, double timeZone) {
    setMousePointer(kPointerBusy);
    Latitude = latitude;
    Longitude = longitude;
    TimeZone = timeZone;
    AsrFactor = chosenAsrFactor();
    const int today = TodayDayNo();
    // Every day is computed, also after today's has been shown.
    engine::ComputeYear(Latitude, Longitude, TimeZone, AsrFactor, [&](const engine::DayEvents& day) {
        std::string line = engine::BuildDayLine(day);
        if (day.dayNo == today) FillPreview(line);
    });
    desk_.beep();
    setMousePointer(kPointerDefault);
}

void Form1::FillPreview(std::string dayLine) {
    previewText_ = Q(PreviewLines(std::move(dayLine)));
    QString shown = previewText_;
    Text2->setPlainText(shown.replace("\r\n", "\n"));
    QDate today = desk_.now().date();
    Label2->setText(Q(PreviewCaption(S(Combo1[0]->currentText()), today.month(), today.day())));
    fitLabel2();
}

// A long place name wraps the heading past its two lines: it then takes the room up to the
// create button, and after that grows upwards, keeping clear of the preview box and stopping
// short of the controls above it. A caption longer still is cut short by the heading itself.
void Form1::fitLabel2() {
    const QRect box = Twips(210, 5675, 2055, 495);
    const int bottom = Text2->geometry().top() - 1;
    QRect rect = box;
    rect.setBottom(std::min(box.bottom(), bottom));
    int needed = Label2->heightForWidth(rect.width());
    if (needed > rect.height()) {
        rect.setRight(Command1[1]->geometry().left() - 3);
        needed = Label2->heightForWidth(rect.width());
    }
    if (needed > rect.height()) {
        const int highest = std::max(Label1[10]->geometry().bottom(), Command3->geometry().bottom()) + 3;
        rect.setTop(std::max(highest, bottom - needed + 1));
    }
    Label2->setGeometry(rect);
}

// --- the sources of coordinates ---

void Form1::Command3_Click() {
    Form2 map(desk_, Text1[1], Text1[2], this);
    map.exec();
}

int Form1::ShellOpen(const QString& target, const QString& parameters) {
    setMousePointer(kPointerBusy);
    int result = desk_.shellOpen(desktop::PathBytes(target), parameters);
    setMousePointer(kPointerDefault);
    return result;
}

void Form1::Command4_Click() {
    desk_.setClipboardText(GazetteerAddress);
    if (desk_.messageBox(Q(GazetteerQuestion(S(GazetteerAddress))), desktop::mb::OkCancel, QString()) !=
        desktop::answer::Ok)
        return;
    int result = ShellOpen(GazetteerAddress, QString());
    if (result == desktop::shell::NoAssociation)
        desk_.messageBox(kSiteOpenFailed, desktop::mb::OkOnly, QString());
    else if (result == desktop::shell::AccessDenied)
        desk_.messageBox(kSiteAccessDenied, desktop::mb::OkOnly, QString());
}

// --- the create command ---

void Form1::Command1_Click(int) {
    const std::string city = ShownPlaceName(S(Combo1[0]->currentText()));
    Latitude = engine::LeadingNumber(S(Text1[1]->text()));
    Longitude = engine::LeadingNumber(S(Text1[2]->text()));
    TimeZone = engine::LeadingNumber(S(Text1[3]->text()));
    const std::string fileBox = desktop::PathBytes(Text1[4]->text());
    OutputFile = OutputFilePath(desk_.programFolder(), fileBox);

    int empty = 0;
    for (int i = 1; i <= 3; ++i)
        if (Text1[i]->text().isEmpty()) ++empty;
    if (empty != 0) {
        desk_.messageBox(kFillAllBoxes, desktop::mb::OkOnly, QString());
        return;
    }
    // A number that reads as infinity would write "Infinity" into the header, and one that
    // gives no times a year of pinned ones.
    if (auto refusal =
            NumberTooLargeMessage(S(Text1[1]->text()), S(Text1[2]->text()), S(Text1[3]->text()), chosenAsrFactor())) {
        desk_.messageBox(Q(*refusal), desktop::mb::OkOnly + desktop::mb::Exclamation, QString());
        return;
    }

    QString confirmation = Q(ConfirmationText(city, Latitude, Longitude, TimeZone, OutputFile));
    if (desk_.messageBox(confirmation, desktop::mb::YesNo + desktop::mb::Information, kVerifyTitle) !=
        desktop::answer::Yes)
        return;

    // Ask about the very file that will be written; a name that cannot be a file is refused.
    const files::Standing standing = files::LookAtName(OutputFile);
    if (auto problem = OutputFileProblem(fileBox, standing)) {
        desk_.messageBox(Q(WriteFailureMessage(OutputFile, *problem)), desktop::mb::OkOnly + desktop::mb::Critical,
                         QString());
        return;
    }
    if (AsksToOverwrite(standing) &&
        desk_.messageBox(Q(OverwriteQuestion(OutputFile)), desktop::mb::YesNo + desktop::mb::Exclamation,
                         kOverwriteTitle) != desktop::answer::Yes)
        return;

    if (!writeTimesFile(city)) return;

    desk_.beep();
    desk_.messageBox(Q(CompletionMessage(fileBox)), desktop::mb::OkOnly, QString());
    setMousePointer(kPointerDefault);
    desk_.startCommandLine("NOTEPAD  " + OutputFile, desktop::show::Normal);
}

bool Form1::writeTimesFile(const std::string& cityText) {
    double rawAngle = 0;
    double bearing = 0;
    engine::CalcQibla(Latitude, Longitude, rawAngle, bearing);
    setMousePointer(kPointerBusy);

    const QDateTime now = desk_.now();
    engine::HeaderValues header;
    header.cityText = cityText;
    header.qiblaBearing = bearing;
    header.latitude = Latitude;
    header.longitude = Longitude;
    header.timeZone = TimeZone;
    header.createdDate = engine::DayMonthYear(now.date().day(), now.date().month(), now.date().year());
    header.createdTime = engine::LongTime(now.time().msecsSinceStartOfDay() / 1000);
    AsrFactor = chosenAsrFactor();
    header.asrFactor = AsrFactor;

    if (auto failure = files::WriteCalculatorFile(OutputFile, header, wrapSink_)) {
        reportWriteFailure(WriteFailureReason(*failure));
        return false;
    }
    return true;
}

void Form1::reportWriteFailure(const std::string& reason) {
    setMousePointer(kPointerDefault);
    desk_.messageBox(Q(WriteFailureMessage(OutputFile, reason)), desktop::mb::OkOnly + desktop::mb::Critical,
                     QString());
}

// Enter presses the focused button, or else the window's default one.
void Form1::keyPressEvent(QKeyEvent* event) {
    if (desktop::PressButtonForEnter(*event, *this, *Command1[1])) return;
    QWidget::keyPressEvent(event);
}

}  // namespace calculator

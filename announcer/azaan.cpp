#include "announcer/azaan.h"

#include "announcer/core/call_to_prayer.h"
#include "announcer/core/day_display.h"
#include "announcer/core/daylight_saving.h"
#include "announcer/core/log_book.h"
#include "announcer/core/messages.h"
#include "announcer/core/place_captions.h"
#include "announcer/core/recording_file.h"
#include "announcer/core/settings_file.h"
#include "announcer/core/volume_options.h"
#include "announcer/core/window_return.h"
#include "announcer/elided_label.h"
#include "announcer/frm_splash.h"
#include "announcer/modify.h"
#include "announcer/schedule_reports.h"
#include "desktop/enter_key.h"
#include "engine/qibla.h"
#include "files/path_parts.h"
#include "window_common/centre_window.h"
#include "window_common/program_icon.h"
#include "window_common/twips.h"
#include "window_common/window_font.h"
#include "window_common/window_text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

using window_common::Q;
using window_common::S;
using window_common::SetTextColour;
using window_common::Twips;
using window_common::TwipsToPixels;

namespace announcer {

namespace {

const QString ProductName = QStringLiteral("Kelvora");
const QString WindowTitle = QStringLiteral("Kelvora - v3.2");

constexpr int WideTwips = 6500;
constexpr int NarrowTwips = 3000;
constexpr int ClientHeightTwips = 3795;
constexpr int RowTopTwips = 780;
constexpr int RowStepTwips = 285;

constexpr int NeedleStartX = 4560;
constexpr int NeedleStartY = 1020;

// Text colours of the day display.
const QColor NextColour(192, 64, 0);
const QColor CurrentColour(0, 128, 0);
const QColor MarkerColour(192, 0, 0);

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect where) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);  // file texts are shown as they stand, never as markup
    label->setGeometry(where);
    return label;
}

CivilDate Civil(const QDate& d) { return {d.year(), d.month(), d.day()}; }

int SecondsOfDay(const QDateTime& t) { return t.time().msecsSinceStartOfDay() / 1000; }

}  // namespace

Azaan::Azaan(desktop::Desktop& desk, QWidget* parent) : QMainWindow(parent), desk_(desk) {
    setWindowTitle(QStringLiteral("Prayer times"));  // the design title, until start-up gives the real one
    setFont(window_common::WindowFontInPoints());

    buildControls();
    buildMenu();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Azaan::focusMoved);

    TrayIcon = window_common::ProgramIcon(QStringLiteral(":/announcer/azaan_%1.png"));
    setWindowIcon(TrayIcon);
    MediaPlayer1 = desk_.createMediaPlayer();

    // Both timers run from the moment the window is loaded.
    Timer1.setInterval(TimerIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &Azaan::Timer1_Timer);
    Timer1.start();
    Timer2.setSingleShot(true);
    Timer2.setInterval(1500);
    connect(&Timer2, &QTimer::timeout, this, &Azaan::Timer2_Timer);
    Timer2.start();
}

Azaan::~Azaan() {
    // Neither is this window's child, so Qt would not delete them with it: the
    // About box is a window of its own (it deletes itself on closing, so only an
    // open one is left here), and the "File" menu is also the tray's pop-up,
    // shown while this window is out of sight.
    delete splash_.data();
    delete mnuFile;
}

void Azaan::buildControls() {
    Background = new FormBackground(this);
    Background->onMouseMove = [this] { Form_MouseMove(); };
    setCentralWidget(Background);
    QWidget* w = Background;

    Label1 = MakeLabel(w, QString(), Twips(120, 90, 2760, 660));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);  // a long city name takes the date to the third line
    QFont heading = font();
    heading.setBold(true);
    Label1->setFont(heading);

    for (int i = 0; i < TimesPerDay; ++i)
        Label7[i] = MakeLabel(w, QString::fromLatin1(TimeNames[static_cast<size_t>(i)]),
                              Twips(120, RowTopTwips + RowStepTwips * i, 900, 255));
    auto timeLabel = [&](int row) {
        return MakeLabel(w, QString(), Twips(1020, RowTopTwips + RowStepTwips * row, 870, 255));
    };
    Label2 = timeLabel(0);
    Label7[6] = timeLabel(1);
    Label3 = timeLabel(2);
    Label4 = timeLabel(3);
    Label5 = timeLabel(4);
    Label6 = timeLabel(5);
    timeLabels_ = {Label2, nullptr, Label3, Label4, Label5, Label6};
    Label8 = MakeLabel(w, QString(), Twips(1890, RowTopTwips, 1080, 255));
    SetTextColour(Label8, MarkerColour);

    Check1 = new QCheckBox(QStringLiteral("Play azaan at prayer time"), w);
    Check1->setGeometry(Twips(120, 2580, 2760, 255));
    Check1->setChecked(true);
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });

    MakeLabel(w, QStringLiteral("DST (hrs):"), Twips(120, 2925, 840, 255));
    Text1 = new QLineEdit(w);
    Text1->setGeometry(Twips(960, 2880, 600, 315));
    Text1->setToolTip(QStringLiteral("Daylight saving: hours added to the times of the file"));
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });

    MakeLabel(w, QStringLiteral("Vol:"), Twips(1665, 2925, 330, 255));
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(w);
        Option1[i]->setGeometry(Twips(1995 + 300 * i, 2910, 285, 270));
        Option1[i]->setToolTip(QString::fromLatin1(VolumeToolTips[static_cast<size_t>(i)]));
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
    }

    Command2 = new QPushButton(QStringLiteral("Stop"), w);
    Command2->setGeometry(Twips(120, 3300, 900, 375));
    Command2->setEnabled(false);
    connect(Command2, &QPushButton::clicked, this, &Azaan::Command2_Click);

    Command1 = new QPushButton(QStringLiteral("Close"), w);
    Command1->setGeometry(Twips(1080, 3300, 900, 375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Azaan::Command1_Click);

    Command4 = new QPushButton(QStringLiteral("<<"), w);
    Command4->setGeometry(Twips(2040, 3300, 840, 375));
    connect(Command4, &QPushButton::clicked, this, &Azaan::Command4_Click);

    // The wide half: the compass and the place.
    Shape1 = {NeedleStartX - 720, NeedleStartY - 720, 1440, 1440};
    Line2[0] = {NeedleStartX - 840.0, NeedleStartY, NeedleStartX + 840.0, NeedleStartY};
    Line2[1] = {NeedleStartX, NeedleStartY - 840.0, NeedleStartX, NeedleStartY + 840.0};
    Line1 = {NeedleStartX, NeedleStartY, NeedleStartX, NeedleStartY - 800.0};
    Background->circles = {&Shape1};
    Background->lines = {&Line2[0], &Line2[1]};
    Background->needles = {&Line1};

    Label10[4] = MakeLabel(w, QStringLiteral("Qiblah"), Twips(NeedleStartX - 600, 1890, 1200, 255));
    Label10[4]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // A long place name runs to the window's edge: drawn short there, shown whole on hover.
    for (int i = 0; i < 4; ++i) {
        Label10[i] = new ElidedLabel(w);
        Label10[i]->setTextFormat(Qt::PlainText);
        Label10[i]->setGeometry(Twips(3240, 2160 + 270 * i, 3150, 255));
    }

    Command3 = new QPushButton(QStringLiteral("Prayer Times For Another City"), w);
    Command3->setGeometry(Twips(3240, 3300, 3120, 375));
    connect(Command3, &QPushButton::clicked, this, &Azaan::Command3_Click);

    setFixedSize(TwipsToPixels(WideTwips), TwipsToPixels(ClientHeightTwips));
}

void Azaan::buildMenu() {
    mnuFile = new QMenu(QStringLiteral("File"));
    auto item = [this](const char* caption, void (Azaan::*handler)()) {
        QAction* a = mnuFile->addAction(QString::fromLatin1(caption));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    mnuAbout = item("About ...", &Azaan::mnuAbout_Click);
    line3 = mnuFile->addSeparator();
    mnuQandor = item("Daily Schedule", &Azaan::mnuQandor_Click);
    mnuQandorW = item("Weekly Schedule", &Azaan::mnuQandorW_Click);
    mnuModify = item("Fine-tune...", &Azaan::mnuModify_Click);
    line66 = mnuFile->addSeparator();
    mnuFolder = item("Folder", &Azaan::mnuFolder_Click);
    line6 = mnuFile->addSeparator();
    mnuPlayAzaan = mnuFile->addMenu(QStringLiteral("Play Azaan"));
    mnuAzaanFajr = mnuPlayAzaan->addAction(QStringLiteral("Fajr Azaan"));
    connect(mnuAzaanFajr, &QAction::triggered, this, &Azaan::mnuAzaanFajr_Click);
    mnuAzaanOther = mnuPlayAzaan->addAction(QStringLiteral("Other Azaan"));
    connect(mnuAzaanOther, &QAction::triggered, this, &Azaan::mnuAzaanOther_Click);
    mnuAzaanStop = mnuPlayAzaan->addAction(QStringLiteral("Stop Azaan"));
    connect(mnuAzaanStop, &QAction::triggered, this, &Azaan::mnuAzaanStop_Click);
    line7 = mnuFile->addSeparator();
    mnuViewLog = item("Log book", &Azaan::mnuViewLog_Click);
    mnuHelp = item("Help...", &Azaan::mnuHelp_Click);
    line4 = mnuFile->addSeparator();
    mnuShow = item("Show window", &Azaan::mnuShow_Click);
    mnuHide = item("Close window", &Azaan::mnuHide_Click);
    line5 = mnuFile->addSeparator();
    mnuExit = item("Exit", &Azaan::mnuExit_Click);

    // One menu: the window's menu bar and the tray's pop-up.
    menuBar()->addMenu(mnuFile);
    setFixedHeight(TwipsToPixels(ClientHeightTwips) + menuBar()->sizeHint().height());
}

QString Azaan::CityName() const { return Q(Record.cityName); }
std::string Azaan::ProgramFolder() const { return desk_.programFolder(); }
std::string Azaan::TimesFilePath() const { return files::FileInFolder(ProgramFolder(), engine::TimesFileName); }

// ---------------------------------------------------------------- start-up

bool Azaan::Form_Load() {
    // 1. One instance: a second start says so and ends, touching nothing. The
    // title is claimed in the same step, so two starts at once cannot both run.
    if (!desk_.claimWindowTitle(WindowTitle)) {
        Timer1.stop();
        Timer2.stop();
        desk_.messageBox(QString::fromLatin1(kAlreadyRunning), desktop::mb::OkOnly, ProductName);
        return false;
    }
    // 2. The temp folder for the schedules.
    findTempFolder();
    // 3. The tray icon; the program goes on without one when it cannot be added.
    desk_.addTrayIcon(TrayIcon, ProductName, [this](desktop::TrayEvent e) { TrayIcon_MouseMove(e); });
    if (!desk_.trayAvailable()) Timer2.stop();  // no tray to come back from: stay in sight
    // 4. The title (claimed in step 1).
    setWindowTitle(WindowTitle);
    // 5. 300 twips above the centre of the screen.
    window_common::CentreByOuterFrame(this, TwipsToPixels(300));
    // 6. The play flag follows the box, which still stands at its design state.
    PlayAzaanFlag = Check1->isChecked() ? 1 : 0;
    // 7. Today's record, with its message when the file is missing or damaged.
    CalcAzaan();
    // 8. Read again, silently, and 9. shift once.
    readTodayRecord();
    ApplyDST();
    // 10. The needle, 11. the texts, 12. the day.
    followRecord();
    UpdateTimes();
    return true;
}

// Every move of the focus tells the return rule where the user went.
void Azaan::focusMoved(QWindow* now) {
    if (now == nullptr) {
        windowReturn_.feed(WindowEvent::FocusToNothing);
        return;
    }
    if (now == windowHandle()) {
        windowReturn_.feed(WindowEvent::FocusToMain);
        return;
    }
    bool ownForm = false;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == now)
            ownForm = qobject_cast<frmSplash*>(top) != nullptr || qobject_cast<Modify*>(top) != nullptr;
    }
    windowReturn_.feed(ownForm ? WindowEvent::FocusToOwnForm : WindowEvent::FocusToOther);
}

bool Azaan::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && windowReturn_.feed(WindowEvent::Activated)) Form_Activate();
    return QMainWindow::event(e);
}

// The program made the window the active one again itself.
void Azaan::broughtBack() {
    if (windowReturn_.feed(WindowEvent::BroughtBack)) Form_Activate();
}

bool Azaan::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Close && (watched == splash_ || watched == modify_))
        ownFormClosed(static_cast<QWidget*>(watched));
    return QMainWindow::eventFilter(watched, e);
}

// Closing the active About box or editor makes the main window, when it is in
// sight, the active one again, window manager or not; that is a return from an
// own form, so the settings are read. A form that closes while the user works
// in another window hands nothing back.
void Azaan::ownFormClosed(QWidget* form) {
    if (QApplication::activeWindow() != form || !isVisible() || isMinimized()) return;
    activateWindow();
    broughtBack();
}

void Azaan::Form_Activate() {
    const SettingsReading s = ReadSettingsFile(ProgramFolder());
    if (!s.fileRead) return;
    // Hours, play box, volume: each change runs its control's own handler.
    if (s.hoursText && Text1->text() != Q(*s.hoursText)) Text1->setText(Q(*s.hoursText));
    if (s.playTicked) Check1->setChecked(*s.playTicked);
    if (s.volumeIndex) Option1[static_cast<size_t>(*s.volumeIndex)]->setChecked(true);
}

void Azaan::Form_MouseMove() { Timer2.stop(); }

void Azaan::Timer2_Timer() {
    Timer2.stop();
    if (desk_.trayAvailable()) hide();
}

void Azaan::closeEvent(QCloseEvent* e) {
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel)
        e->ignore();
    else
        e->accept();
}

void Azaan::Form_Unload(int& Cancel) {
    // Closing only puts the program away; "Exit" ends it.
    Cancel = 1;
    hideMainWindow();
}

void Azaan::keyPressEvent(QKeyEvent* e) {
    // "Close" is the default and the cancel button; a focused button takes Enter itself.
    if (e->key() == Qt::Key_Escape) {
        Command1->click();
        return;
    }
    if (desktop::PressButtonForEnter(*e, *this, *Command1)) return;
    QMainWindow::keyPressEvent(e);
}

void Azaan::TrayIcon_MouseMove(desktop::TrayEvent event) {
    if (ended_) return;
    switch (event) {
        case desktop::TrayEvent::LeftRelease: showMainWindow(); break;
        case desktop::TrayEvent::RightRelease: {
            const bool shown = isVisible() && !isMinimized();
            mnuShow->setVisible(!shown);
            mnuHide->setVisible(shown);
            desk_.popupMenu(mnuFile);
            break;
        }
    }
}

void Azaan::mnuExit_Click() {
    ended_ = true;
    Timer1.stop();
    Timer2.stop();
    desk_.deleteTrayIcon();
    // Lets the icon's removal, and the closing of the tray menu that chose "Exit",
    // reach the desktop before the event loop ends: quitting at once can leave a
    // dead icon in the notification area.
    QCoreApplication::processEvents();
    // Open windows (the About box, the editor) simply vanish with the program.
    for (QWidget* top : QApplication::topLevelWidgets()) top->hide();
    QCoreApplication::quit();
}

void Azaan::showMainWindow() {
    // Brought back into sight, the window becomes the active one again and reads
    // the settings; a window already in sight is not re-activated.
    const bool outOfSight = !isVisible() || isMinimized();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    if (outOfSight) broughtBack();
}

void Azaan::hideMainWindow() {
    if (desk_.trayAvailable())
        hide();
    else
        showMinimized();
}

// ---------------------------------------------------------------- today's record

RecordOutcome Azaan::readTodayRecord() {
    const QDate today = desk_.now().date();
    TodayNo = announcer::TodayNo(today.month(), today.day());
    const auto reading = ReadTodayRecordAt(TimesFilePath(), TodayNo, Record);
    // Freshly read, so the hours are added once; a file that cannot be opened changes nothing.
    if (reading.outcome != RecordOutcome::Missing) TodayTimes = Record.times;
    return reading.outcome;
}

void Azaan::CalcAzaan() {
    const RecordOutcome outcome = readTodayRecord();
    const bool opened = outcome != RecordOutcome::Missing;
    if (opened) {
        ApplyDST();
        writePlaceCaptions();
    }
    if (outcome != RecordOutcome::Found && !messageOpen_) {
        // The message runs its own event loop: ticks that fall due meanwhile wait it out.
        messageOpen_ = true;
        const int answer = desk_.messageBox(QString::fromLatin1(kTimesFileQuestion),
                                            desktop::mb::YesNo + desktop::mb::Exclamation, ProductName);
        messageOpen_ = false;
        if (answer == desktop::answer::Yes && !desk_.startCommandLine("velstra", desktop::show::Normal)) return;
        // close() only puts the window away (Form_Unload cancels the unload): the
        // program runs on out of sight, and every tick asks again until the file is whole.
        close();
    }
    if (!opened) return;
    followRecord();
}

void Azaan::followRecord() {
    turnNeedle();
    remakeTimeTexts();
}

void Azaan::remakeTimeTexts() { TodayTimeTexts = MakeTodayTimeTexts(TodayTimes); }

// A shift that stops part-way leaves the texts and the sunrise caption as they
// were: the record's next reading (followRecord) remakes the texts.
void Azaan::ApplyDST() {
    if (!announcer::ApplyDST(TodayTimes, S(Text1->text()))) return;
    remakeTimeTexts();
    Label7[6]->setText(Q(TodayTimeTexts[SunriseTime]));
}

void Azaan::writePlaceCaptions() {
    const PlaceCaptions c = MakePlaceCaptions(Record.cityName, Record.latitude, Record.longitude, Record.timeZone);
    Label10[0]->setText(Q(c.city));
    Label10[1]->setText(Q(c.latitude));
    Label10[2]->setText(Q(c.longitude));
    Label10[3]->setText(Q(c.timeZone));
    Label10[4]->setText(Q(c.qiblah));
}

void Azaan::turnNeedle() {
    const engine::NeedleEnd end = engine::QiblaNeedleEnd(Line1.X1, Line1.Y1, Record.qiblahDirection);
    Line1.X2 = end.x;
    Line1.Y2 = end.y;
    Background->update();
}

// ---------------------------------------------------------------- day display

void Azaan::UpdateTimes() {
    const QDateTime now = desk_.now();
    const DayDisplay d = ChooseDayDisplay(SecondsOfDay(now), TodayTimes);
    auto labelOf = [this](std::optional<TimeIndex> prayer) -> QLabel* {
        return prayer ? timeLabels_[*prayer] : nullptr;
    };
    const QColor normal = QApplication::palette().color(QPalette::ButtonText);
    for (QLabel* l : timeLabels_)
        if (l) SetTextColour(l, normal);
    if (QLabel* next = labelOf(d.next)) SetTextColour(next, NextColour);
    if (QLabel* current = labelOf(d.current)) SetTextColour(current, CurrentColour);
    Label8->setText(Q(d.markerCaption));
    if (QLabel* beside = labelOf(d.markerBeside)) Label8->move(Label8->x(), beside->y());

    // The heading's carriage returns are its line breaks.
    Label1->setText(Q(DayHeading(Record.cityName, Civil(now.date()))).replace(QChar('\r'), QChar('\n')));
    for (size_t i = 0; i < timeLabels_.size(); ++i)
        if (timeLabels_[i]) timeLabels_[i]->setText(Q(TodayTimeTexts[i]));
}

// ---------------------------------------------------------------- settings

void Azaan::UpdateDST() {
    SettingsControls c;
    c.hoursText = S(Text1->text());
    c.playTicked = Check1->isChecked();
    for (int i = 0; i < 3; ++i)
        if (Option1[i]->isChecked()) c.volumeIndex = i;
    WriteSettingsFile(ProgramFolder(), c);  // a failed write waits for the next tick
}

void Azaan::Text1_Change() {
    ApplyDST();
    CalcAzaan();
    UpdateTimes();
}

void Azaan::Check1_Click() { PlayAzaanFlag = Check1->isChecked() ? 1 : 0; }

void Azaan::Option1_Click(int Index) {
    if (Index < 0 || Index > 2) return;
    AzaanVolume = VolumeAttenuations[static_cast<size_t>(Index)];
    MediaPlayer1->setVolume(AzaanVolume);
}

// ---------------------------------------------------------------- the tick

void Azaan::Timer1_Timer() {
    if (messageOpen_ || ended_) return;
    UpdateDST();
    if (MediaPlayer1->playState() == 0) Command2->setEnabled(false);
    CalcAzaan();

    const QDateTime now = desk_.now();
    const int nowSeconds = SecondsOfDay(now);
    const double tickMinutes = TickMinutes(Timer1.interval());
    const StartTest test = RunStartTest(nowSeconds, TodayTimes, AzaanJustPlayed, PlayAzaanFlag, tickMinutes);
    if (test.start) {
        Command2->setEnabled(true);
        playRecording(test.recording);
        const CivilDate today = Civil(now.date());
        AppendToLogBook(ProgramFolder(), today, nowSeconds,
                        LogLine(Record.cityName, today, nowSeconds, TodayTimeTexts, test.minutesApart, tickMinutes));
    }
    AzaanJustPlayed = test.azaanJustPlayed;
    UpdateTimes();
}

void Azaan::Command2_Click() {
    MediaPlayer1->stop();
    MediaPlayer1->setFileName(std::string());
    Command2->setEnabled(false);
}

void Azaan::mnuAzaanFajr_Click() { playRecording("fajr.mp3"); }
void Azaan::mnuAzaanOther_Click() { playRecording("other.mp3"); }
void Azaan::mnuAzaanStop_Click() { MediaPlayer1->stop(); }

// A recording the player could not open without stopping the program (a FIFO,
// a device, a folder) is passed over, as the player passes over a missing one.
void Azaan::playRecording(const std::string& name) {
    const std::string path = files::FileInFolder(ProgramFolder(), name);
    if (PlayerMayOpen(path)) MediaPlayer1->setFileName(path);
}

// ---------------------------------------------------------------- commands

void Azaan::Command1_Click() { hideMainWindow(); }

void Azaan::Command3_Click() {
    const int answer = desk_.messageBox(QString::fromLatin1(kAnotherCityQuestion),
                                        desktop::mb::YesNoCancel + desktop::mb::Exclamation, ProductName);
    if (answer == desktop::answer::Yes)
        desk_.startCommandLine(files::FileInFolder(ProgramFolder(), "Velstra.exe"), desktop::show::NormalNoFocus);
    else if (answer == desktop::answer::No)
        desk_.startCommandLine("NOTEPAD  " + TimesFilePath(), desktop::show::NormalNoFocus);
}

void Azaan::Command4_Click() {
    if (Command4->text() == QLatin1String(">>")) {
        setFixedWidth(TwipsToPixels(WideTwips));
        Command4->setText(QStringLiteral("<<"));
    } else if (Command4->text() == QLatin1String("<<")) {
        setFixedWidth(TwipsToPixels(NarrowTwips));
        Command4->setText(QStringLiteral(">>"));
        CalcAzaan();
        UpdateTimes();
    }
}

void Azaan::mnuAbout_Click() {
    // One About box: choosing it again while it is open shows that same box.
    if (!splash_) {
        splash_ = new frmSplash(desk_);
        splash_->installEventFilter(this);
    }
    splash_->show();
    splash_->raise();
    splash_->activateWindow();
}

void Azaan::mnuQandor_Click() { writeSchedule(ScheduleKind::Daily); }
void Azaan::mnuQandorW_Click() { writeSchedule(ScheduleKind::Weekly); }

void Azaan::findTempFolder() { TempPath = desk_.tempFolder(); }

void Azaan::writeSchedule(ScheduleKind kind) {
    // The folder found at start may have gone since (a temp cleaner), and
    // another user may have made one of that name: judge it again, and make it
    // again when it is gone, before every report.
    findTempFolder();
    WriteScheduleReport(desk_, {TimesFilePath(), Record.cityName, TempPath}, kind);
}

void Azaan::mnuModify_Click() {
    // One editor: choosing it again while it is open only brings it forward.
    if (!modify_) {
        // After a save, two presses of "<<": one re-reads today's record, and the width ends as it was.
        modify_ = new Modify(
            desk_, TimesFilePath(),
            [this] {
                Command4_Click();
                Command4_Click();
            },
            this);
        modify_->setAttribute(Qt::WA_DeleteOnClose);
        modify_->installEventFilter(this);
        modify_->Form_Load();
    }
    modify_->show();
    modify_->raise();
    modify_->activateWindow();
}

Modify* Azaan::ModifyWindow() const { return modify_; }

int Azaan::ShellOpenItem(const std::string& target, const QString& parameters) {
    return desk_.shellOpen(target, parameters);
}

void Azaan::mnuFolder_Click() { ShellOpenItem(ProgramFolder(), QString()); }

void Azaan::mnuViewLog_Click() {
    // The tick writes the log in lower case; the file system tells case apart.
    desk_.startCommandLine("NOTEPAD  " + files::FileInFolder(ProgramFolder(), LogBookName), desktop::show::Maximized);
}

void Azaan::mnuHelp_Click() {
    desk_.startCommandLine("notepad " + files::FileInFolder(ProgramFolder(), "ReadMe.txt"), desktop::show::Normal);
}

void Azaan::mnuShow_Click() { showMainWindow(); }
void Azaan::mnuHide_Click() { hideMainWindow(); }

}  // namespace announcer

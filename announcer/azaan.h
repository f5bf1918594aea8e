// The announcer's main window: today's six times with the current and next
// prayer, the place and the qiblah needle, the settings controls, the clock
// tick that calls to prayer, and the "File" menu that is also the tray's pop-up.
#pragma once

#include "announcer/core/schedule_report.h"
#include "announcer/core/today_record.h"
#include "announcer/core/today_times.h"
#include "announcer/core/window_return.h"
#include "announcer/form_background.h"
#include "announcer/frm_splash.h"
#include "desktop/desktop.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QWindow;

namespace announcer {

class Modify;

class Azaan : public QMainWindow {
    Q_OBJECT
public:
    explicit Azaan(desktop::Desktop& desk, QWidget* parent = nullptr);
    ~Azaan() override;

    // --- controls ---
    FormBackground* Background;
    QLabel* Label1;                  // heading
    QLabel* Label2;                  // Fajr
    QLabel* Label3;                  // Zuhr
    QLabel* Label4;                  // Asr
    QLabel* Label5;                  // Maghrib
    QLabel* Label6;                  // Isha
    std::array<QLabel*, 7> Label7;   // prayer names 0..5, sunrise time 6
    QLabel* Label8;                  // time-left marker
    std::array<QLabel*, 5> Label10;  // place captions
    CircleShape Shape1;              // the compass
    std::array<LineShape, 2> Line2;  // its cross
    LineShape Line1;                 // the qiblah needle
    QLineEdit* Text1;                // daylight-saving hours
    QCheckBox* Check1;
    std::array<QRadioButton*, 3> Option1;  // volume high, medium, low
    QPushButton* Command1;                 // "Close"
    QPushButton* Command2;                 // "Stop"
    QPushButton* Command3;                 // "Prayer Times For Another City"
    QPushButton* Command4;                 // "<<" / ">>"
    QTimer Timer1;                         // the clock tick
    QTimer Timer2;                         // the one-shot auto-hide
    QIcon TrayIcon;
    std::unique_ptr<desktop::MediaPlayer> MediaPlayer1;

    QMenu* mnuFile;
    QAction* mnuAbout;
    QAction* line3;
    QAction* mnuQandor;
    QAction* mnuQandorW;
    QAction* mnuModify;
    QAction* line66;
    QAction* mnuFolder;
    QAction* line6;
    QMenu* mnuPlayAzaan;
    QAction* mnuAzaanFajr;
    QAction* mnuAzaanOther;
    QAction* mnuAzaanStop;
    QAction* line7;
    QAction* mnuViewLog;
    QAction* mnuHelp;
    QAction* line4;
    QAction* mnuShow;
    QAction* mnuHide;
    QAction* line5;
    QAction* mnuExit;

    // --- what the program keeps between events ---
    int TodayNo = 0;
    TodayRecord Record;                // the place's header values and today's raw times
    announcer::TodayTimes TodayTimes;  // today's times with the daylight-saving hours
    announcer::TodayTimeTexts TodayTimeTexts;
    int PlayAzaanFlag = 0;
    int AzaanJustPlayed = 0;
    int AzaanVolume = 0;
    desktop::TempFolder TempPath;  // the private temp folder for the schedules, or why there is none

    QString CityName() const;
    // Paths are the system's bytes: the program folder may have any name.
    std::string ProgramFolder() const;
    // The times file this window reads, in the program's folder.
    std::string TimesFilePath() const;

    // --- handlers ---
    // False when another instance runs: the program then ends.
    bool Form_Load();
    void Form_Activate();
    void Form_MouseMove();
    void Form_Unload(int& Cancel);
    void Timer2_Timer();
    void TrayIcon_MouseMove(desktop::TrayEvent event);
    void mnuExit_Click();
    void Text1_Change();
    void Option1_Click(int Index);
    void Command2_Click();
    void Timer1_Timer();
    void mnuAzaanFajr_Click();
    void mnuAzaanOther_Click();
    void mnuAzaanStop_Click();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Check1_Click();
    void mnuAbout_Click();
    void mnuQandor_Click();
    void mnuQandorW_Click();
    void mnuModify_Click();
    void mnuFolder_Click();
    void mnuViewLog_Click();
    void mnuHelp_Click();
    void mnuShow_Click();
    void mnuHide_Click();

    // --- operations ---
    void CalcAzaan();
    void ApplyDST();
    void UpdateTimes();
    void UpdateDST();
    int ShellOpenItem(const std::string& target, const QString& parameters);

    // The About box while it is open.
    frmSplash* Splash() const { return splash_; }
    // The fine-tune editor while it is open.
    Modify* ModifyWindow() const;
    // Whether the program has ended ("Exit").
    bool Ended() const { return ended_; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void focusMoved(QWindow* now);
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildControls();
    void buildMenu();
    // Today's number and record, read afresh into Record and TodayTimes (unshifted).
    RecordOutcome readTodayRecord();
    void turnNeedle();
    // The needle and the time texts follow the record as read and shifted.
    void followRecord();
    // TodayTimeTexts is made here only, from TodayTimes as it stands.
    void remakeTimeTexts();
    void writePlaceCaptions();
    void showMainWindow();
    // The About box or the editor is closing.
    void ownFormClosed(QWidget* form);
    // The program has made the window the active one again: a return, so the settings are read.
    void broughtBack();
    // Sets TempPath from the folder as it stands now.
    void findTempFolder();
    void writeSchedule(ScheduleKind kind);
    // Starts a recording of the program folder ("fajr.mp3", "other.mp3").
    void playRecording(const std::string& name);
    // Hides the window; without a notification area to come back from, minimises it.
    void hideMainWindow();

    // The prayers' time labels by their index in TodayTimes: Label2..Label6.
    // Sunrise's time (Label7[6]) is no prayer's: the display never marks it.
    std::array<QLabel*, TimesPerDay> timeLabels_{};

    desktop::Desktop& desk_;
    QPointer<frmSplash> splash_;
    QPointer<Modify> modify_;
    bool messageOpen_ = false;  // the file message waits in its own event loop
    bool ended_ = false;
    WindowReturn windowReturn_;  // when an activation is a real return that reads the settings
};

}  // namespace announcer

// A Desktop for tests: answers message boxes from a queue, keeps its own clock
// and records every call the program makes out of itself.
#pragma once

#include "desktop/desktop.h"

#include <QIcon>
#include <QTemporaryDir>

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

struct MessageBoxCall {
    QString text;
    int style;
    QString title;
};

struct CommandLineCall {
    QString line;  // as shown
    int showState;
    std::string bytes;  // as given to the system
};

struct ShellOpenCall {
    QString target;
    QString parameters;
};

struct PlayerCall {
    enum Kind { FileName, Stop, Volume } kind;
    QString fileName;  // as shown
    int volume = 0;
    std::string path;  // as given to the system
};

class ScriptedMediaPlayer;

class ScriptedDesktop : public desktop::Desktop {
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    // --- script ---
    std::deque<int> answers;                  // next message-box answers, front first
    int defaultAnswer = desktop::answer::Ok;  // when the queue is empty
    // Called while a message box is "open", before it returns (may be empty).
    std::function<void(const MessageBoxCall&)> duringMessageBox;
    bool commandLinesStart = true;
    int shellOpenResult = desktop::shell::Success;
    QDateTime clock;          // what now() returns
    QString folder;           // programFolder(); a fresh temporary folder
    std::string folderBytes;  // when set, programFolder() in place of folder: a name that is no UTF-8
    QString temp;             // tempFolder(); a fresh temporary folder with "/"
    std::string tempBytes;    // when set, tempFolder() in place of temp: a name that is no UTF-8
    QString tempRefusal;      // tempFolder()'s refusal
    // When set, tempFolder() judges this folder afresh at every call by the
    // rules for the program's own /tmp folder (made when missing, refused when
    // it is not the user's alone) in place of answering temp and tempRefusal.
    QString ownTempFolder;
    std::vector<QString> runningWindowTitles;  // titles a claim finds held
    bool trayPresent = true;
    int playStateWhilePlaying = 3;  // play state after a file name is set

    // --- record ---
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<CommandLineCall> commandLines;
    std::vector<ShellOpenCall> shellOpens;
    std::vector<QString> clipboard;
    int beeps = 0;
    std::vector<QString> claimedTitles;  // won claims
    int trayAdds = 0;
    int trayDeletes = 0;
    QString trayTip;
    QIcon trayIcon;
    bool trayShown = false;
    std::function<void(desktop::TrayEvent)> trayCallback;
    std::vector<QMenu*> popups;
    std::vector<PlayerCall> playerCalls;
    std::vector<QWidget*> namelessWindows;  // windows shown without any name
    ScriptedMediaPlayer* player = nullptr;  // the last player created (owned by the program)

    // Sends a tray button release as the notification area would.
    void clickTray(desktop::TrayEvent event);

    // --- desktop::Desktop ---
    int messageBox(const QString& text, int style, const QString& title) override;
    bool startCommandLine(const std::string& line, int showState) override;
    int shellOpen(const std::string& target, const QString& parameters) override;
    void setClipboardText(const QString& text) override;
    void beep() override;
    QDateTime now() override;
    std::string programFolder() override;
    desktop::TempFolder tempFolder() override;
    bool claimWindowTitle(const QString& title) override;
    bool trayAvailable() override;
    bool addTrayIcon(const QIcon& icon, const QString& tip, std::function<void(desktop::TrayEvent)> onEvent) override;
    void deleteTrayIcon() override;
    void popupMenu(QMenu* menu) override;
    std::unique_ptr<desktop::MediaPlayer> createMediaPlayer() override;
    void clearWindowName(QWidget* window) override;

private:
    QTemporaryDir folderDir_;
    QTemporaryDir tempDir_;
};

class ScriptedMediaPlayer : public desktop::MediaPlayer {
public:
    explicit ScriptedMediaPlayer(ScriptedDesktop& owner) : owner_(owner) {}
    ~ScriptedMediaPlayer() override;

    int state = 0;  // the play state the program reads; a test may set it
    QString fileName;
    int volume = 0;

    void setFileName(const std::string& path) override;
    int playState() const override { return state; }
    void stop() override;
    void setVolume(int hundredthsOfDecibel) override;

private:
    ScriptedDesktop& owner_;
};

}  // namespace testing_support

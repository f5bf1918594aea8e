// The platform layer: every call the programs make out of themselves.
// Windows get a Desktop at construction; tests pass a scripted one.
#pragma once

#include "desktop/private_folder.h"

#include <QDateTime>
#include <QIcon>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QMenu;
class QWidget;

namespace desktop {

// Message-box styles: buttons + icon, added together as the programs write them.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
}  // namespace mb

// The button a message box returns.
namespace answer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace answer

// Show states of a started program's window.
namespace show {
inline constexpr int Normal = 1;
inline constexpr int Maximized = 3;
inline constexpr int NormalNoFocus = 4;
}  // namespace show

// Shell "open" results: above 32 is success.
namespace shell {
inline constexpr int AccessDenied = 5;
inline constexpr int NoAssociation = 31;
inline constexpr int Success = 42;
}  // namespace shell

enum class TrayEvent { LeftRelease, RightRelease };

// The user's private temp folder with its trailing "/", or the sentence that says
// why there is none; both are the system's bytes, as the sentence names the folder.
using TempFolder = PrivateFolder;

// Plays one recording at a time. Setting the file name starts playing it.
// Paths here are the system's bytes (desktop/path_text.h).
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void setFileName(const std::string& path) = 0;  // "" leaves the player without a file
    virtual int playState() const = 0;                      // 0 when not playing
    virtual void stop() = 0;
    virtual void setVolume(int hundredthsOfDecibel) = 0;  // 0 full, -1500 is 15 dB quieter
};

// Paths and command lines here are the system's bytes, whatever their encoding
// (desktop/path_text.h): any folder name works.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message; CR (13) in the text breaks the line. Returns the answer code.
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;

    // Starts "program rest-of-line": the first word picks the program, the rest
    // after its blanks is one argument, never split or given to a shell.
    // Not waited for. Returns whether the program could be started.
    virtual bool startCommandLine(const std::string& line, int showState) = 0;

    // Asks the desktop to open a document, folder or web address. Returns > 32 on success.
    virtual int shellOpen(const std::string& target, const QString& parameters) = 0;

    virtual void setClipboardText(const QString& text) = 0;
    virtual void beep() = 0;

    virtual QDateTime now() = 0;

    // The folder of the running program, without a trailing separator.
    virtual std::string programFolder() = 0;
    // The temp folder for files the program writes for the user to read: one
    // that no other user can write into.
    virtual TempFolder tempFolder() = 0;

    // Single instance: takes the title for this program unless a running
    // program holds it (shown or hidden); false then. Test and claim are one
    // step, so of two programs starting at once exactly one gets the title.
    virtual bool claimWindowTitle(const QString& title) = 0;

    // Notification-area icon. The callback gets the button releases on it.
    virtual bool trayAvailable() = 0;
    virtual bool addTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayEvent)> onEvent) = 0;
    virtual void deleteTrayIcon() = 0;
    // Opens a menu at the mouse position (the tray's pop-up).
    virtual void popupMenu(QMenu* menu) = 0;

    virtual std::unique_ptr<MediaPlayer> createMediaPlayer() = 0;

    // Leaves a shown window without any name: its title and the names the
    // window system keeps for it stay empty, where Qt would fill in the
    // program's name. Call it whenever the window is shown.
    virtual void clearWindowName(QWidget* window) = 0;
};

}  // namespace desktop

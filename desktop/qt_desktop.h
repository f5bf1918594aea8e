// The Desktop of the running programs, on Qt.
#pragma once

#include "desktop/desktop.h"
#include "desktop/single_instance.h"

#include <memory>

class QSystemTrayIcon;

namespace desktop {

class QtDesktop : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;

    int messageBox(const QString& text, int style, const QString& title) override;
    // The show state cannot be handed to another program portably (X11 and
    // Wayland leave placement and focus to the window manager), so it is not used.
    bool startCommandLine(const std::string& line, int showState) override;
    int shellOpen(const std::string& target, const QString& parameters) override;
    void setClipboardText(const QString& text) override;
    void beep() override;
    QDateTime now() override;
    // The folder of the executable as the system names it, byte for byte.
    std::string programFolder() override;
    TempFolder tempFolder() override;
    bool claimWindowTitle(const QString& title) override;
    bool trayAvailable() override;
    bool addTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayEvent)> onEvent) override;
    void deleteTrayIcon() override;
    void popupMenu(QMenu* menu) override;
    std::unique_ptr<MediaPlayer> createMediaPlayer() override;
    void clearWindowName(QWidget* window) override;

private:
    InstanceClaims claims_;
    std::unique_ptr<QSystemTrayIcon> tray_;
};

}  // namespace desktop

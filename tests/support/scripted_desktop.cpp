#include "tests/support/scripted_desktop.h"

#include "desktop/path_text.h"
#include "desktop/private_folder.h"

#include <unistd.h>

#include <algorithm>

namespace testing_support {

// The folders are set in the body: the temporary dirs are declared after them,
// so they are not yet made when the member initialisers run.
ScriptedDesktop::ScriptedDesktop() : clock(QDate(2026, 1, 1), QTime(12, 0, 0)) {
    folder = folderDir_.path();
    temp = tempDir_.path() + "/";
}

ScriptedDesktop::~ScriptedDesktop() { player = nullptr; }

void ScriptedDesktop::clickTray(desktop::TrayEvent event) {
    if (trayCallback) trayCallback(event);
}

int ScriptedDesktop::messageBox(const QString& text, int style, const QString& title) {
    messageBoxes.push_back({text, style, title});
    if (duringMessageBox) duringMessageBox(messageBoxes.back());
    if (answers.empty()) return defaultAnswer;
    int a = answers.front();
    answers.pop_front();
    return a;
}

bool ScriptedDesktop::startCommandLine(const std::string& line, int showState) {
    commandLines.push_back({desktop::PathText(line), showState, line});
    return commandLinesStart;
}

int ScriptedDesktop::shellOpen(const std::string& target, const QString& parameters) {
    shellOpens.push_back({desktop::PathText(target), parameters});
    return shellOpenResult;
}

void ScriptedDesktop::setClipboardText(const QString& text) { clipboard.push_back(text); }
void ScriptedDesktop::beep() { ++beeps; }
QDateTime ScriptedDesktop::now() { return clock; }
std::string ScriptedDesktop::programFolder() { return folderBytes.empty() ? desktop::PathBytes(folder) : folderBytes; }
desktop::TempFolder ScriptedDesktop::tempFolder() {
    if (ownTempFolder.isEmpty())
        return {tempBytes.empty() ? desktop::PathBytes(temp) : tempBytes, tempRefusal.toStdString()};
    return desktop::ChoosePrivateFolder({"", "", desktop::PathBytes(ownTempFolder), ::getuid()});
}

bool ScriptedDesktop::claimWindowTitle(const QString& title) {
    const bool held =
        std::find(runningWindowTitles.begin(), runningWindowTitles.end(), title) != runningWindowTitles.end();
    if (!held) claimedTitles.push_back(title);
    return !held;
}

bool ScriptedDesktop::trayAvailable() { return trayPresent; }

bool ScriptedDesktop::addTrayIcon(const QIcon& icon, const QString& tip,
                                  std::function<void(desktop::TrayEvent)> onEvent) {
    ++trayAdds;
    trayIcon = icon;
    trayTip = tip;
    trayShown = trayPresent;
    trayCallback = std::move(onEvent);
    return trayPresent;
}

void ScriptedDesktop::deleteTrayIcon() {
    ++trayDeletes;
    trayShown = false;
}

void ScriptedDesktop::popupMenu(QMenu* menu) { popups.push_back(menu); }

std::unique_ptr<desktop::MediaPlayer> ScriptedDesktop::createMediaPlayer() {
    auto p = std::make_unique<ScriptedMediaPlayer>(*this);
    player = p.get();
    return p;
}

void ScriptedDesktop::clearWindowName(QWidget* window) { namelessWindows.push_back(window); }

ScriptedMediaPlayer::~ScriptedMediaPlayer() {
    if (owner_.player == this) owner_.player = nullptr;
}

void ScriptedMediaPlayer::setFileName(const std::string& path) {
    fileName = desktop::PathText(path);
    state = path.empty() ? 0 : owner_.playStateWhilePlaying;
    owner_.playerCalls.push_back({PlayerCall::FileName, fileName, 0, path});
}

void ScriptedMediaPlayer::stop() {
    state = 0;
    owner_.playerCalls.push_back({PlayerCall::Stop, {}, 0, {}});
}

void ScriptedMediaPlayer::setVolume(int hundredthsOfDecibel) {
    volume = hundredthsOfDecibel;
    owner_.playerCalls.push_back({PlayerCall::Volume, {}, hundredthsOfDecibel, {}});
}

}  // namespace testing_support

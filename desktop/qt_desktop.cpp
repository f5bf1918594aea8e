#include "desktop/qt_desktop.h"

#include "desktop/command_line.h"
#include "desktop/path_text.h"
#include "desktop/private_folder.h"
#include "desktop/qt_media_player.h"
#include "desktop/qt_message_box.h"
#include "desktop/start_detached.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QUrl>

#include <filesystem>
#include <system_error>

namespace desktop {
namespace {

// "notepad" on this desktop: the desktop's own opener, which starts the
// user's chosen application for text files.
const char* const kTextViewer = "xdg-open";

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// A local file's address made from its bytes: each byte that is no plain
// character goes percent-encoded, so a folder named in any encoding is opened.
QUrl LocalFileUrl(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const QByteArray bytes = QByteArray::fromStdString(ec ? path : absolute.string());
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"));
}

// A web address has a scheme of more than one letter ("C:" is a drive).
QUrl urlFor(const std::string& target) {
    const QString text = PathText(target);
    const QUrl asUrl(text, QUrl::StrictMode);
    if (asUrl.isValid() && asUrl.scheme().size() > 1 && !Exists(target)) return asUrl;
    if (text.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) return QUrl(QStringLiteral("http://") + text);
    return LocalFileUrl(target);
}

}  // namespace

QtDesktop::QtDesktop() = default;

QtDesktop::~QtDesktop() { deleteTrayIcon(); }

int QtDesktop::messageBox(const QString& text, int style, const QString& title) {
    return showMessageBox(text, style, title);
}

bool QtDesktop::startCommandLine(const std::string& line, int /*showState*/) {
    const Launch launch = planLaunch(parseCommandLine(line), programFolder(), kTextViewer);
    // Started straight, never through a shell: the argument cannot run commands.
    return StartDetached(launch.program, launch.arguments);
}

int QtDesktop::shellOpen(const std::string& target, const QString& /*parameters*/) {
    return QDesktopServices::openUrl(urlFor(target)) ? shell::Success : shell::NoAssociation;
}

void QtDesktop::setClipboardText(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

void QtDesktop::beep() { QApplication::beep(); }

QDateTime QtDesktop::now() { return QDateTime::currentDateTime(); }

std::string QtDesktop::programFolder() {
    // Qt's own application path is a text, and loses a folder whose name is no UTF-8.
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && program.has_parent_path()) return program.parent_path().string();
    return PathBytes(QCoreApplication::applicationDirPath());
}

TempFolder QtDesktop::tempFolder() { return UsersPrivateFolder(); }

bool QtDesktop::claimWindowTitle(const QString& title) { return claims_.claim(title, programFolder()); }

bool QtDesktop::trayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool QtDesktop::addTrayIcon(const QIcon& icon, const QString& tip, std::function<void(TrayEvent)> onEvent) {
    deleteTrayIcon();
    tray_ = std::make_unique<QSystemTrayIcon>(icon);
    tray_->setToolTip(tip);
    // No context menu of its own: the program opens its menu on the right button.
    QObject::connect(tray_.get(), &QSystemTrayIcon::activated,
                     [onEvent = std::move(onEvent)](QSystemTrayIcon::ActivationReason reason) {
                         if (!onEvent) return;
                         if (reason == QSystemTrayIcon::Trigger)
                             onEvent(TrayEvent::LeftRelease);
                         else if (reason == QSystemTrayIcon::Context)
                             onEvent(TrayEvent::RightRelease);
                     });
    tray_->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtDesktop::deleteTrayIcon() {
    if (!tray_) return;
    tray_->hide();
    tray_.reset();
}

void QtDesktop::popupMenu(QMenu* menu) {
    if (menu) menu->popup(QCursor::pos());
}

std::unique_ptr<MediaPlayer> QtDesktop::createMediaPlayer() { return std::make_unique<QtMediaPlayer>(); }

}  // namespace desktop

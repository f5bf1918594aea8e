#include "desktop/qt_desktop.h"

#include "desktop/command_line.h"
#include "desktop/private_folder.h"
#include "desktop/qt_media_player.h"
#include "desktop/qt_message_box.h"
#include "desktop/temp_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QUrl>

namespace desktop {
namespace {

// "notepad" on this desktop: the desktop's own opener, which starts the
// user's chosen application for text files.
const char* const kTextViewer = "xdg-open";

// A web address has a scheme of more than one letter ("C:" is a drive).
QUrl urlFor(const QString& target) {
    const QUrl asUrl(target, QUrl::StrictMode);
    if (asUrl.isValid() && asUrl.scheme().size() > 1 && !QFileInfo::exists(target)) return asUrl;
    if (target.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + target);
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

}  // namespace

QtDesktop::QtDesktop() = default;

QtDesktop::~QtDesktop() { deleteTrayIcon(); }

int QtDesktop::messageBox(const QString& text, int style, const QString& title) {
    return showMessageBox(text, style, title);
}

bool QtDesktop::startCommandLine(const QString& line, int /*showState*/) {
    const Launch launch = planLaunch(parseCommandLine(line.toStdString()),
                                     programFolder().toStdString(), kTextViewer);
    QStringList arguments;
    for (const std::string& a : launch.arguments) arguments << QString::fromStdString(a);
    // Started straight, never through a shell: the argument cannot run commands.
    return QProcess::startDetached(QString::fromStdString(launch.program), arguments);
}

int QtDesktop::shellOpen(const QString& target, const QString& /*parameters*/) {
    return QDesktopServices::openUrl(urlFor(target)) ? shell::Success : shell::NoAssociation;
}

void QtDesktop::setClipboardText(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

void QtDesktop::beep() { QApplication::beep(); }

QDateTime QtDesktop::now() { return QDateTime::currentDateTime(); }

QString QtDesktop::programFolder() { return QCoreApplication::applicationDirPath(); }

TempFolder QtDesktop::tempFolder() {
    return TempFolderOf(UsersPrivateFolder());
}

bool QtDesktop::claimWindowTitle(const QString& title) {
    return claims_.claim(title, QFile::encodeName(programFolder()).toStdString());
}

bool QtDesktop::trayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool QtDesktop::addTrayIcon(const QIcon& icon, const QString& tip,
                            std::function<void(TrayEvent)> onEvent) {
    deleteTrayIcon();
    tray_ = std::make_unique<QSystemTrayIcon>(icon);
    tray_->setToolTip(tip);
    // No context menu of its own: the program opens its menu on the right button.
    QObject::connect(tray_.get(), &QSystemTrayIcon::activated,
                     [onEvent = std::move(onEvent)](QSystemTrayIcon::ActivationReason reason) {
                         if (!onEvent) return;
                         if (reason == QSystemTrayIcon::Trigger) onEvent(TrayEvent::LeftRelease);
                         else if (reason == QSystemTrayIcon::Context) onEvent(TrayEvent::RightRelease);
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

std::unique_ptr<MediaPlayer> QtDesktop::createMediaPlayer() {
    return std::make_unique<QtMediaPlayer>();
}

}  // namespace desktop

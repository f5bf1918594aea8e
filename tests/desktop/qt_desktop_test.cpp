#include "desktop/qt_desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_) qputenv(name_, old_);
        else qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(QtDesktop, FoldersAreGivenInTheProgramsForm) {
    desktop::QtDesktop desk;
    const QString folder = desk.programFolder();
    EXPECT_FALSE(folder.endsWith('/'));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    const QString temp = desk.tempPath();
    EXPECT_TRUE(temp.endsWith('/'));
    EXPECT_TRUE(QFileInfo(temp).isDir());
}

TEST(QtDesktop, AMissingProgramIsReportedAsNotStarted) {
    desktop::QtDesktop desk;
    // The tests run from a folder without the calculator beside them.
    ASSERT_FALSE(QFileInfo::exists(desk.programFolder() + "/velstra"));
    EXPECT_FALSE(desk.startCommandLine("velstra", desktop::show::NormalNoFocus));

    // A desktop without its opener on the search path.
    QTemporaryDir empty;
    ScopedEnv path("PATH", QFile::encodeName(empty.path()));
    EXPECT_FALSE(desk.startCommandLine("NOTEPAD  /tmp/AzaanTimes.dat", desktop::show::Maximized));
    EXPECT_FALSE(desk.startCommandLine("/no/such/program arg", desktop::show::Normal));
}

TEST(QtDesktop, TheTextViewerIsTheDesktopsOpenerOnTheSearchPath) {
    desktop::QtDesktop desk;
    QTemporaryDir bin;
    QFile opener(bin.filePath("xdg-open"));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nexit 0\n");
    opener.close();
    opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ScopedEnv path("PATH", QFile::encodeName(bin.path()));
    EXPECT_TRUE(desk.startCommandLine("notepad /a;rm -rf x", desktop::show::Normal));
}

TEST(QtDesktop, TheClockIsTheLocalTimeNow) {
    desktop::QtDesktop desk;
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = desk.now();
    EXPECT_EQ(now.timeSpec(), Qt::LocalTime);
    EXPECT_GE(now, before);
    EXPECT_LE(before.secsTo(now), 5);
}

TEST(QtDesktop, TrayIconCanBeAddedAndDeletedWithoutATray) {
    desktop::QtDesktop desk;
    int events = 0;
    // The offscreen platform has no notification area: adding reports it, nothing breaks.
    EXPECT_EQ(desk.addTrayIcon(QIcon(), "Kelvora", [&](desktop::TrayEvent) { ++events; }),
              desk.trayAvailable());
    desk.deleteTrayIcon();
    desk.deleteTrayIcon();
    EXPECT_EQ(events, 0);
}

}  // namespace

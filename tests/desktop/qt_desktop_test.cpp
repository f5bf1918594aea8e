#include "desktop/qt_desktop.h"
#include "tests/desktop/scoped_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(QtDesktop, FoldersAreGivenInTheProgramsForm) {
    desktop::QtDesktop desk;
    const QString folder = desk.programFolder();
    EXPECT_FALSE(folder.endsWith('/'));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(QtDesktop, TheTempFolderIsPrivateWhateverTmpdirSays) {
    desktop::QtDesktop desk;
    const desktop::TempFolder temp = desk.tempFolder();
    EXPECT_TRUE(temp.refusal.isEmpty()) << temp.refusal.toStdString();
    EXPECT_TRUE(temp.path.endsWith('/'));
    struct stat st{};
    ASSERT_EQ(::lstat(QFile::encodeName(temp.path).constData(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_uid, ::getuid());
    EXPECT_EQ(st.st_mode & (S_IWGRP | S_IWOTH), 0u);

    QTemporaryDir other;
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(other.path()));
    EXPECT_EQ(desk.tempFolder().path, temp.path);
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

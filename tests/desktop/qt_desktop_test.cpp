#include "desktop/path_text.h"
#include "desktop/qt_desktop.h"
#include "tests/desktop/scoped_env.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A folder name that is no UTF-8: "Gebet-München" as an older system wrote it, in Latin-1.
const std::string Latin1Folder = "Gebet-M\xfcnchen";

TEST(QtDesktop, FoldersAreGivenInTheProgramsForm) {
    desktop::QtDesktop desk;
    const std::string folder = desk.programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(fs::equivalent(folder, fs::read_symlink("/proc/self/exe").parent_path()));
}

// Run as a copy of this test program in a folder named in Latin-1: the copy writes the
// folder it finds into the file that the variable names.
constexpr const char* ReportFolderTo = "SUITE_REPORT_PROGRAM_FOLDER_TO";

TEST(QtDesktop, TheProgramFolderIsNamedByteForByteUnderAnyName) {
    if (const char* out = std::getenv(ReportFolderTo)) {
        std::ofstream(out, std::ios::binary) << desktop::QtDesktop().programFolder();
        return;
    }
    test_support::TempFolder temp;
    const fs::path folder = temp.path() / Latin1Folder;
    ASSERT_TRUE(fs::create_directory(folder));
    const std::string copy = (folder / "desktop_tests").string();
    fs::copy_file("/proc/self/exe", copy);
    fs::permissions(copy, fs::perms::owner_all);

    const std::string report = temp.file("folder.txt");
    ScopedEnv variable(ReportFolderTo, QByteArray::fromStdString(report));
    std::string filter = "--gtest_filter=QtDesktop.TheProgramFolderIsNamedByteForByteUnderAnyName";
    char* argv[] = {const_cast<char*>(copy.c_str()), filter.data(), nullptr};
    posix_spawn_file_actions_t quiet;  // the copy's own test report is not this one's
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, copy.c_str(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    ASSERT_EQ(spawned, 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(temp.read("folder.txt"), folder.string());
}

TEST(QtDesktop, TheTempFolderIsPrivateWhateverTmpdirSays) {
    desktop::QtDesktop desk;
    const desktop::TempFolder temp = desk.tempFolder();
    EXPECT_TRUE(temp.refusal.empty()) << temp.refusal;
    ASSERT_FALSE(temp.path.empty());
    EXPECT_EQ(temp.path.back(), '/');
    struct stat st {};
    ASSERT_EQ(::lstat(temp.path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_uid, ::getuid());
    EXPECT_EQ(st.st_mode & (S_IWGRP | S_IWOTH), 0u);

    QTemporaryDir other;
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(other.path()));
    EXPECT_EQ(desk.tempFolder().path, temp.path);
}

// The session's folder named in Latin-1 is handed on by its very bytes.
TEST(QtDesktop, TheTempFolderKeepsTheBytesOfItsName) {
    test_support::TempFolder temp;
    const std::string session = temp.file(Latin1Folder);
    ASSERT_TRUE(fs::create_directory(session));
    fs::permissions(session, fs::perms::owner_all);
    ScopedEnv runtime("XDG_RUNTIME_DIR", QByteArray::fromStdString(session));
    const desktop::TempFolder chosen = desktop::QtDesktop().tempFolder();
    EXPECT_TRUE(chosen.refusal.empty()) << chosen.refusal;
    EXPECT_EQ(chosen.path, session + "/");
}

TEST(QtDesktop, AMissingProgramIsReportedAsNotStarted) {
    desktop::QtDesktop desk;
    // The tests run from a folder without the calculator beside them.
    ASSERT_FALSE(fs::exists(desk.programFolder() + "/velstra"));
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

// The viewer is given the path exactly as the system names it. The fake viewer writes its
// argument into a FIFO: reading it waits for the viewer, not for a clock.
TEST(QtDesktop, TheTextViewerGetsAPathInAFolderOfAnyName) {
    desktop::QtDesktop desk;
    test_support::TempFolder bin;
    const std::string heard = bin.file("heard");
    ASSERT_EQ(::mkfifo(heard.c_str(), 0600), 0);
    bin.write("xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > '" + heard + "'\n");
    fs::permissions(bin.file("xdg-open"), fs::perms::owner_all);
    ScopedEnv path("PATH", QByteArray::fromStdString(bin.str()));

    const std::string file = "/home/user/" + Latin1Folder + "/AzaanTimes.dat";
    ASSERT_TRUE(desk.startCommandLine("NOTEPAD  " + file, desktop::show::Maximized));
    std::ifstream fifo(heard, std::ios::binary);
    const std::string argument((std::istreambuf_iterator<char>(fifo)), std::istreambuf_iterator<char>());
    EXPECT_EQ(argument, file);
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
    EXPECT_EQ(desk.addTrayIcon(QIcon(), "Kelvora", [&](desktop::TrayEvent) { ++events; }), desk.trayAvailable());
    desk.deleteTrayIcon();
    desk.deleteTrayIcon();
    EXPECT_EQ(events, 0);
}

}  // namespace

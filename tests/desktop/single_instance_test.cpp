#include "desktop/qt_desktop.h"
#include "desktop/single_instance.h"
#include "tests/desktop/scoped_env.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <barrier>
#include <memory>
#include <string>

namespace {

// A title no other run of the tests uses; its lock files go with the test.
class FreshTitle {
public:
    FreshTitle() : title_(QStringLiteral("Instance test - v3.2 ") + QUuid::createUuid().toString(QUuid::Id128)) {}
    explicit FreshTitle(const QString& title) : title_(title) {}
    ~FreshTitle() {
        for (const auto& folder : desktop::UsablePrivateFolders(desktop::UsersPrivateFolderCandidates()))
            QFile::remove(desktop::instanceLockName(folder.path, title_));
    }
    operator const QString&() const { return title_; }
    QString lockName() const { return desktop::instanceLockName(desktop::UsersPrivateFolder().path, title_); }

private:
    QString title_;
};

// Whether a new program could claim the title now.
bool Free(const QString& title) {
    desktop::InstanceClaims probe;
    return probe.claim(title);
}

TEST(SingleInstance, AClaimedTitleIsHeldUntilItsProgramEnds) {
    const FreshTitle title;
    {
        desktop::QtDesktop first;
        EXPECT_TRUE(first.claimWindowTitle(title));
        EXPECT_TRUE(first.claimWindowTitle(title));  // asking twice keeps it
        const FreshTitle longer(title + "x");
        EXPECT_TRUE(Free(longer));  // the title must match exactly

        desktop::QtDesktop second;
        EXPECT_FALSE(second.claimWindowTitle(title));  // the running one keeps the title
        EXPECT_FALSE(Free(title));
    }
    desktop::QtDesktop later;  // once the first has ended, the title is free again
    EXPECT_TRUE(later.claimWindowTitle(title));
}

TEST(SingleInstance, TitlesDifferingOnlyInPunctuationAreApart) {
    EXPECT_NE(desktop::instanceLockName("/f/", "Kelvora - v3.2"), desktop::instanceLockName("/f/", "Kelvora - v3_2"));
    // Long titles still give a short file name.
    EXPECT_LT(QFileInfo(desktop::instanceLockName("/f/", QString(500, QChar('k')))).fileName().size(), 80);
}

// A holder killed outright leaves its lock file behind; the next start runs.
TEST(SingleInstance, AProgramThatCrashedLeavesTheTitleFree) {
    const FreshTitle title;
    const QByteArray lockName = QFile::encodeName(title.lockName());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {  // the crashing program: only plain system calls here
        const int fd = ::open(lockName.constData(), O_RDWR | O_CREAT, 0600);
        const char locked = (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ? 1 : 0;
        (void)!::write(ready[1], &locked, 1);
        ::pause();
        ::_exit(0);
    }
    char locked = 0;
    ASSERT_EQ(::read(ready[0], &locked, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(locked, 1);
    EXPECT_FALSE(Free(title));  // it runs

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(QFile::exists(title.lockName()));
    desktop::QtDesktop restarted;
    EXPECT_TRUE(restarted.claimWindowTitle(title));
}

TEST(SingleInstance, TheNameLivesInTheUsersPrivateFolderWhateverTmpdirSays) {
    const FreshTitle title;
    QTemporaryDir one, two;
    std::unique_ptr<desktop::QtDesktop> first;
    {
        ScopedEnv tmpdir("TMPDIR", QFile::encodeName(one.path()));
        first = std::make_unique<desktop::QtDesktop>();
        ASSERT_TRUE(first->claimWindowTitle(title));
    }
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(two.path()));
    desktop::QtDesktop second;
    EXPECT_FALSE(second.claimWindowTitle(title));

    struct stat st{};
    const QString folder = QFileInfo(title.lockName()).absolutePath();
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &st), 0) << folder.toStdString();
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u) << folder.toStdString();
    EXPECT_EQ(st.st_uid, ::getuid());
}

// Private folders for one test: the session's, the system's and the program's own.
class Folders {
public:
    Folders() {
        for (const char* name : {"run", "user"}) std::filesystem::create_directory(temp.path() / name);
        std::filesystem::permissions(temp.path() / "run", std::filesystem::perms::owner_all);
        std::filesystem::permissions(temp.path() / "user", std::filesystem::perms::owner_all);
    }
    std::string run() const { return temp.file("run"); }
    std::string user() const { return temp.file("user"); }
    std::string fallback() const { return temp.file("fallback"); }
    // Made by someone else, or by us but open to everyone.
    std::string squatted(bool theirs) const {
        const std::string path = temp.file(theirs ? "theirs" : "open");
        std::filesystem::create_directory(path);
        std::filesystem::permissions(path, std::filesystem::perms::all);
        if (theirs) {
            EXPECT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        }
        return path;
    }

private:
    test_support::TempFolder temp;
};

// A start that sees XDG_RUNTIME_DIR and one that does not still meet.
TEST(SingleInstance, StartsWithAndWithoutTheSessionsFolderHaveOneWinner) {
    const Folders folders;
    const uid_t me = ::getuid();
    const desktop::PrivateFolderCandidates withSession{folders.run(), "", folders.fallback(), me};
    const desktop::PrivateFolderCandidates without{"", "", folders.fallback(), me};
    for (bool sessionFirst : {true, false}) {
        const FreshTitle title;
        desktop::InstanceClaims first(sessionFirst ? withSession : without);
        desktop::InstanceClaims second(sessionFirst ? without : withSession);
        EXPECT_TRUE(first.claim(title));
        EXPECT_FALSE(second.claim(title)) << "session first: " << sessionFirst;
    }
}

// Someone else's /tmp/kelvora-<uid> cannot break one instance where the system
// made /run/user/<uid>; with no usable folder at all the program still starts.
TEST(SingleInstance, ASquattedFallbackStillGivesOneWinner) {
    const Folders folders;
    const uid_t me = ::getuid();
    for (bool theirs : {false, true}) {
        const desktop::PrivateFolderCandidates squatted{"", folders.user(), folders.squatted(theirs), me};
        const FreshTitle title;
        desktop::InstanceClaims first(squatted), second(squatted);
        EXPECT_TRUE(first.claim(title));
        EXPECT_FALSE(second.claim(title)) << "theirs: " << theirs;
    }
    const desktop::PrivateFolderCandidates nothing{"", "", folders.squatted(true), me};
    const FreshTitle title;
    desktop::InstanceClaims first(nothing), second(nothing);
    EXPECT_TRUE(first.claim(title));
    EXPECT_TRUE(second.claim(title));
}

// Two programs starting at the same instant, with or without a lock file left
// by an earlier run: exactly one of them gets the title. In the second half
// their environments name the same two folders in opposite orders.
TEST(SingleInstance, SimultaneousClaimsHaveExactlyOneWinner) {
    const Folders folders;
    const uid_t me = ::getuid();
    const desktop::PrivateFolderCandidates oneWay{folders.fallback(), folders.user(), folders.fallback(), me};
    const desktop::PrivateFolderCandidates otherWay{"", folders.user(), folders.fallback(), me};
    for (int pair = 0; pair < 40; ++pair) {
        const FreshTitle title;
        if (pair % 2 == 1) {
            QFile left(title.lockName());
            ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        }
        std::barrier start(2), claimed(2);
        std::atomic<int> winners{0}, started{0};
        auto program = [&] {
            const int which = started++;
            desktop::InstanceClaims claims =
                pair < 20 ? desktop::InstanceClaims() : desktop::InstanceClaims(which == 0 ? oneWay : otherWay);
            start.arrive_and_wait();
            if (claims.claim(title)) ++winners;
            claimed.arrive_and_wait();  // both hold on until both have tried
        };
        std::unique_ptr<QThread> a(QThread::create(program));
        std::unique_ptr<QThread> b(QThread::create(program));
        a->start();
        b->start();
        a->wait();
        b->wait();
        EXPECT_EQ(winners.load(), 1) << "pair " << pair;
    }
}

}  // namespace

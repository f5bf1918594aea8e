#include "desktop/qt_desktop.h"
#include "desktop/single_instance.h"
#include "tests/desktop/scoped_env.h"

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
#include <barrier>
#include <memory>

namespace {

// A title no other run of the tests uses; its lock file goes with the test.
class FreshTitle {
public:
    FreshTitle() : title_(QStringLiteral("Instance test - v3.2 ") + QUuid::createUuid().toString(QUuid::Id128)) {}
    ~FreshTitle() { QFile::remove(lockName()); }
    operator const QString&() const { return title_; }
    QString lockName() const { return desktop::instanceLockName(title_); }

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
        EXPECT_TRUE(Free(title + "x"));                // the title must match exactly

        desktop::QtDesktop second;
        EXPECT_FALSE(second.claimWindowTitle(title));  // the running one keeps the title
        EXPECT_FALSE(Free(title));
    }
    desktop::QtDesktop later;  // once the first has ended, the title is free again
    EXPECT_TRUE(later.claimWindowTitle(title));
}

TEST(SingleInstance, TitlesDifferingOnlyInPunctuationAreApart) {
    EXPECT_NE(desktop::instanceLockName("Kelvora - v3.2"), desktop::instanceLockName("Kelvora - v3_2"));
    // Long titles still give a short file name.
    EXPECT_LT(QFileInfo(desktop::instanceLockName(QString(500, QChar('k')))).fileName().size(), 80);
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

// Two programs starting at the same instant, with or without a lock file left
// by an earlier run: exactly one of them gets the title.
TEST(SingleInstance, SimultaneousClaimsHaveExactlyOneWinner) {
    for (int pair = 0; pair < 20; ++pair) {
        const FreshTitle title;
        if (pair % 2 == 1) {
            QFile left(title.lockName());
            ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        }
        std::barrier start(2), claimed(2);
        std::atomic<int> winners{0};
        auto program = [&] {
            desktop::InstanceClaims claims;
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

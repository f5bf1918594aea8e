#include "desktop/qt_desktop.h"
#include "desktop/single_instance.h"
#include "tests/desktop/scoped_env.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <barrier>
#include <cstring>
#include <memory>

namespace {

// A title no other run of the tests uses; its lock file goes with the test.
class FreshTitle {
public:
    FreshTitle() : title_(QStringLiteral("Instance test - v3.2 ") + QUuid::createUuid().toString(QUuid::Id128)) {}
    ~FreshTitle() { QFile::remove(desktop::instanceServerName(title_) + ".lock"); }
    operator const QString&() const { return title_; }
    QString operator+(const char* more) const { return title_ + more; }

private:
    QString title_;
};

// What a crashed instance leaves behind: a socket file nobody listens on.
void leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    ASSERT_LT(static_cast<std::size_t>(bytes.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, bytes.constData(), bytes.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));
}

TEST(SingleInstance, AClaimedTitleIsHeldUntilItsProgramEnds) {
    const FreshTitle title;
    {
        desktop::QtDesktop first;
        EXPECT_TRUE(first.claimWindowTitle(title));
        EXPECT_TRUE(first.claimWindowTitle(title));  // asking twice keeps it
        EXPECT_TRUE(desktop::instanceRunning(title));
        EXPECT_FALSE(desktop::instanceRunning(title + "x"));  // the title must match exactly

        desktop::QtDesktop second;
        EXPECT_FALSE(second.claimWindowTitle(title));  // the running one keeps the title
        EXPECT_TRUE(desktop::instanceRunning(title));
    }
    EXPECT_FALSE(desktop::instanceRunning(title));
    EXPECT_FALSE(QFile::exists(desktop::instanceServerName(title)));
    desktop::QtDesktop later;  // once the first has ended, the title is free again
    EXPECT_TRUE(later.claimWindowTitle(title));
}

TEST(SingleInstance, TitlesDifferingOnlyInPunctuationAreApart) {
    EXPECT_NE(desktop::instanceServerName("Kelvora - v3.2"), desktop::instanceServerName("Kelvora - v3_2"));
    // Long titles still give a name that fits a socket path.
    EXPECT_LT(desktop::instanceServerName(QString(500, QChar('k'))).toUtf8().size(), 100);
}

TEST(SingleInstance, ASocketLeftByACrashIsTakenOver) {
    const FreshTitle title;
    leaveStaleSocket(desktop::instanceServerName(title));
    EXPECT_FALSE(desktop::instanceRunning(title));  // a dead socket is no running program

    desktop::QtDesktop restarted;
    EXPECT_TRUE(restarted.claimWindowTitle(title));
    EXPECT_TRUE(desktop::instanceRunning(title));
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
    const QString folder = QFileInfo(desktop::instanceServerName(title)).absolutePath();
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &st), 0) << folder.toStdString();
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u) << folder.toStdString();
    EXPECT_EQ(st.st_uid, ::getuid());
}

// Two programs starting at the same instant, with or without a socket left by a
// crash: exactly one of them gets the title.
TEST(SingleInstance, SimultaneousClaimsHaveExactlyOneWinner) {
    for (int pair = 0; pair < 20; ++pair) {
        const FreshTitle title;
        if (pair % 2 == 1) leaveStaleSocket(desktop::instanceServerName(title));
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

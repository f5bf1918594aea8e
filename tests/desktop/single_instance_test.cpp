#include "desktop/qt_desktop.h"
#include "desktop/single_instance.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

// A title no other run of the tests uses.
QString freshTitle() {
    return QStringLiteral("Instance test - v3.2 ") + QUuid::createUuid().toString(QUuid::Id128);
}

QString socketPath(const QString& title) {
    return QDir::tempPath() + '/' + desktop::instanceServerName(title);
}

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

TEST(SingleInstance, AClaimedTitleIsFoundUntilItsProgramEnds) {
    const QString title = freshTitle();
    desktop::QtDesktop second;
    EXPECT_FALSE(second.findWindow(title));
    {
        desktop::QtDesktop first;
        first.claimWindowTitle(title);
        EXPECT_TRUE(second.findWindow(title));
        EXPECT_FALSE(second.findWindow(title + "x"));  // the title must match exactly
        EXPECT_TRUE(second.findWindow(title));          // asking twice still finds it
    }
    EXPECT_FALSE(second.findWindow(title));
    EXPECT_FALSE(QFile::exists(socketPath(title)));
}

TEST(SingleInstance, TitlesDifferingOnlyInPunctuationAreApart) {
    EXPECT_NE(desktop::instanceServerName("Kelvora - v3.2"),
              desktop::instanceServerName("Kelvora - v3_2"));
    // Long titles still give a name that fits a socket path.
    EXPECT_LT(socketPath(QString(500, QChar('k'))).toUtf8().size(), 100);
}

TEST(SingleInstance, ASocketLeftByACrashIsTakenOver) {
    const QString title = freshTitle();
    leaveStaleSocket(socketPath(title));

    desktop::QtDesktop restarted;
    EXPECT_FALSE(restarted.findWindow(title));  // a dead socket is no running program
    restarted.claimWindowTitle(title);

    desktop::QtDesktop another;
    EXPECT_TRUE(another.findWindow(title));
}

TEST(SingleInstance, ALiveClaimIsNeverTakenOver) {
    const QString title = freshTitle();
    desktop::InstanceClaims intruder;
    {
        desktop::QtDesktop running;
        running.claimWindowTitle(title);
        EXPECT_FALSE(intruder.claim(title));  // the running one keeps the title
        desktop::QtDesktop third;
        EXPECT_TRUE(third.findWindow(title));
    }
    // Once the first has ended, the title is free again.
    EXPECT_TRUE(intruder.claim(title));
    desktop::QtDesktop third;
    EXPECT_TRUE(third.findWindow(title));
}

}  // namespace

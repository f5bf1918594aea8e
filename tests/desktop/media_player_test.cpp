#include "desktop/qt_desktop.h"

#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// No sound card and no file are ordinary here: the player must simply not play.
TEST(QtMediaPlayer, AMissingFileOrNoSoundCardNeverBreaksThePlayer) {
    desktop::QtDesktop desk;
    std::unique_ptr<desktop::MediaPlayer> player = desk.createMediaPlayer();
    QTemporaryDir dir;
    player->setVolume(-1500);
    player->setFileName(dir.filePath("fajr.mp3"));
    player->stop();
    EXPECT_EQ(player->playState(), 0);
    player->setFileName("");
    EXPECT_EQ(player->playState(), 0);
    player->setVolume(-2500);
}

// The call to prayer sounds: naming a delivered recording starts it at once, with
// no sound card or sound server needed for the player to take it up.
TEST(QtMediaPlayer, NamingTheDeliveredRecordingStartsItAndStopEndsIt) {
    desktop::QtDesktop desk;
    auto player = desk.createMediaPlayer();
    player->setVolume(-10000);  // all but silent where the machine does have sound
    player->setFileName(SUITE_SOURCE_DIR "/announcer/delivered/fajr.mp3");
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->playState() != 0; }, 5000));
    player->stop();
    EXPECT_EQ(player->playState(), 0);

    player->setFileName(SUITE_SOURCE_DIR "/announcer/delivered/other.mp3");
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->playState() != 0; }, 5000));
    player->setFileName("");
    EXPECT_EQ(player->playState(), 0);
}

}  // namespace

#include "desktop/qt_desktop.h"

#include <QTemporaryDir>

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

TEST(QtMediaPlayer, StopEndsTheDeliveredRecording) {
    desktop::QtDesktop desk;
    auto player = desk.createMediaPlayer();
    player->setVolume(-2500);
    player->setFileName(SUITE_SOURCE_DIR "/announcer/delivered/other.mp3");
    player->stop();
    EXPECT_EQ(player->playState(), 0);
}

}  // namespace

#include "desktop/path_text.h"
#include "desktop/qt_desktop.h"
#include "tests/support/fifo.h"
#include "tests/support/temp_folder.h"

#include <QTemporaryDir>
#include <QtTest/QTest>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

// No sound card and no file are ordinary here: the player must simply not play.
TEST(QtMediaPlayer, AMissingFileOrNoSoundCardNeverBreaksThePlayer) {
    desktop::QtDesktop desk;
    std::unique_ptr<desktop::MediaPlayer> player = desk.createMediaPlayer();
    QTemporaryDir dir;
    player->setVolume(-1500);
    player->setFileName(desktop::PathBytes(dir.filePath("fajr.mp3")));
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

// A FIFO in the recording's place is never opened: opening it would wait for a
// writer and stop the program. Its writer lets every wrong open through, so the
// test fails instead of hanging.
TEST(QtMediaPlayer, AFifoIsPassedOverWithoutOpeningIt) {
    desktop::QtDesktop desk;
    auto player = desk.createMediaPlayer();
    test_support::TempFolder folder;
    testing_support::FifoWithWriter fifo(folder.file("fajr.mp3"));
    ASSERT_TRUE(fifo.made());
    player->setFileName(folder.file("fajr.mp3"));
    EXPECT_EQ(player->playState(), 0);
}

// The delivered recording in a folder named in Latin-1 ("Gebet-München") starts.
TEST(QtMediaPlayer, ARecordingInAFolderOfAnyNameStarts) {
    desktop::QtDesktop desk;
    auto player = desk.createMediaPlayer();
    player->setVolume(-10000);
    test_support::TempFolder temp;
    const std::filesystem::path folder = temp.path() / "Gebet-M\xfcnchen";
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(SUITE_SOURCE_DIR "/announcer/delivered/fajr.mp3", folder / "fajr.mp3");
    player->setFileName((folder / "fajr.mp3").string());
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->playState() != 0; }, 5000));
    player->stop();
    EXPECT_EQ(player->playState(), 0);
}

}  // namespace

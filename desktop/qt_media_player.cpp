#include "desktop/qt_media_player.h"

#include "desktop/volume.h"

#include <QFileInfo>
#include <QUrl>

namespace desktop {

QtMediaPlayer::QtMediaPlayer() {
    // Without a sound card the output has no device; the player then reports
    // an error and stays stopped, which the programs read as "not playing".
    player_.setAudioOutput(&output_);
}

QtMediaPlayer::~QtMediaPlayer() {
    player_.stop();
    player_.setAudioOutput(nullptr);
}

void QtMediaPlayer::setFileName(const QString& path) {
    if (path.isEmpty()) {
        player_.stop();
        player_.setSource(QUrl());
        return;
    }
    // A missing file is not checked here: the player's error leaves it stopped.
    player_.setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    player_.play();
}

int QtMediaPlayer::playState() const {
    return player_.playbackState() == QMediaPlayer::PlayingState ? 3 : 0;
}

void QtMediaPlayer::stop() { player_.stop(); }

void QtMediaPlayer::setVolume(int hundredthsOfDecibel) {
    output_.setVolume(static_cast<float>(linearVolume(hundredthsOfDecibel)));
}

}  // namespace desktop

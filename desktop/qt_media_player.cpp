#include "desktop/qt_media_player.h"

#include "desktop/path_text.h"
#include "desktop/volume.h"
#include "files/regular_file.h"

#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

namespace desktop {

QtMediaPlayer::QtMediaPlayer() {
    // Without a sound card the output has no device; the player then reports
    // an error and stays stopped, which the programs read as "not playing".
    player_.setAudioOutput(&output_);
}

QtMediaPlayer::~QtMediaPlayer() {
    player_.stop();
    player_.setSourceDevice(nullptr);
    player_.setAudioOutput(nullptr);
}

void QtMediaPlayer::setFileName(const std::string& path) {
    std::unique_ptr<QFile> recording;
    if (!path.empty()) {
        const int fd = files::OpenRegularFile(path, O_RDONLY);
        recording = std::make_unique<QFile>();
        if (fd < 0 || !recording->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            if (fd >= 0) ::close(fd);
            recording.reset();
        }
    }
    // A missing or refused file leaves the player stopped, as an empty name does.
    player_.stop();
    if (!recording) {
        player_.setSource(QUrl());
        recording_.reset();
        return;
    }
    // The name tells the player the recording's format; the bytes come from the open file.
    player_.setSourceDevice(recording.get(), QUrl::fromLocalFile(PathText(path)));
    recording_ = std::move(recording);
    player_.play();
}

int QtMediaPlayer::playState() const { return player_.playbackState() == QMediaPlayer::PlayingState ? 3 : 0; }

void QtMediaPlayer::stop() { player_.stop(); }

void QtMediaPlayer::setVolume(int hundredthsOfDecibel) {
    output_.setVolume(static_cast<float>(linearVolume(hundredthsOfDecibel)));
}

}  // namespace desktop

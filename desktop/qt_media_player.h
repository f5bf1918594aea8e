// The recordings' player on Qt Multimedia.
#pragma once

#include "desktop/desktop.h"

#include <QAudioOutput>
#include <QFile>
#include <QMediaPlayer>

#include <memory>

namespace desktop {

class QtMediaPlayer : public MediaPlayer {
public:
    QtMediaPlayer();
    ~QtMediaPlayer() override;

    // Opens the recording itself and plays it from the open file: only a regular
    // file, never waiting on a FIFO, and under any folder name.
    void setFileName(const std::string& path) override;
    int playState() const override;  // 3 while playing, else 0
    void stop() override;
    void setVolume(int hundredthsOfDecibel) override;

private:
    QAudioOutput output_;
    QMediaPlayer player_;
    std::unique_ptr<QFile> recording_;  // the file being played, open while the player has it
};

}  // namespace desktop

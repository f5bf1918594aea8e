// The recordings' player on Qt Multimedia.
#pragma once

#include "desktop/desktop.h"

#include <QAudioOutput>
#include <QMediaPlayer>

namespace desktop {

class QtMediaPlayer : public MediaPlayer {
public:
    QtMediaPlayer();
    ~QtMediaPlayer() override;

    void setFileName(const QString& path) override;
    int playState() const override;  // 3 while playing, else 0
    void stop() override;
    void setVolume(int hundredthsOfDecibel) override;

private:
    QAudioOutput output_;
    QMediaPlayer player_;
};

}  // namespace desktop

#include "app/SoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace morvik {

struct CSoundPlayer::State {
    QSoundEffect effect;
};

CSoundPlayer::CSoundPlayer(QObject* parent) : QObject(parent) {}

CSoundPlayer::~CSoundPlayer() = default;

bool CSoundPlayer::Available() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void CSoundPlayer::Play(const QString& path) {
    // Made on the first play: the effect opens the audio output.
    if (!state_) {
        state_ = std::make_unique<State>();
    }
    state_->effect.stop();
    state_->effect.setSource(QUrl::fromLocalFile(path));
    state_->effect.play();
}

}  // namespace morvik

#include "app/SoundPlayer.h"

// A Linux build without Qt Multimedia: no audio output, so the play buttons stay disabled.

namespace morvik {

struct CSoundPlayer::State {};

CSoundPlayer::CSoundPlayer(QObject* parent) : QObject(parent) {}

CSoundPlayer::~CSoundPlayer() = default;

bool CSoundPlayer::Available() {
    return false;
}

void CSoundPlayer::Play(const QString&) {}

}  // namespace morvik

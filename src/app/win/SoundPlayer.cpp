#include "app/SoundPlayer.h"

#include <windows.h>
// windows.h first: the multimedia header needs its types.
#include <mmsystem.h>

#include <QDir>

// The Win32 sound call plays the wave files the terminal takes (PCM) with no Qt Multimedia.

namespace morvik {

struct CSoundPlayer::State {};

CSoundPlayer::CSoundPlayer(QObject* parent) : QObject(parent) {}

CSoundPlayer::~CSoundPlayer() {
    // A sound of this player must not outlive the window that started it.
    ::PlaySoundW(nullptr, nullptr, 0);
}

bool CSoundPlayer::Available() {
    return ::waveOutGetNumDevs() > 0;
}

void CSoundPlayer::Play(const QString& path) {
    // Asynchronous: the call returns at once and a new sound replaces the one playing. Without
    // SND_NODEFAULT a file that cannot be played would sound the system's default beep.
    const QString native = QDir::toNativeSeparators(path);
    ::PlaySoundW(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr,
                 SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace morvik

#pragma once
// Plays a wave file on the PC's audio output, for the play buttons (再生) of the sound windows.
// One interface, one file per platform: Qt Multimedia on Linux (SoundPlayer.cpp), the Win32
// sound call on Windows (win/SoundPlayer.cpp), and silence where the Linux build has no Qt
// Multimedia (nosound/SoundPlayer.cpp).

#include <QObject>
#include <QString>
#include <memory>

namespace morvik {

class CSoundPlayer : public QObject {
  public:
    explicit CSoundPlayer(QObject* parent = nullptr);
    ~CSoundPlayer() override;

    // True when the PC has an audio output that Play can use.
    static bool Available();

    // Starts the file and returns at once; a sound still playing stops first. A file that
    // cannot be played stays silent: the sound windows check their files where it matters.
    void Play(const QString& path);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace morvik

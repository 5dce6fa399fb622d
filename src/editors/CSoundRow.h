#pragma once
// One sound slot of a sound dialog: its label, the path field (at most 259 characters), "参照"
// (a wave file chooser) and a play button that plays the file on the PC's audio output. Without
// an audio output the play button stays disabled; nothing is reported. Laid out in a grid row so
// that the columns of all slots line up. Used by the Mini/MiniS and the MiniSx sound dialogs.

#include <QObject>
#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace morvik {

class CSoundPlayer;

class CSoundRow : public QObject {
    Q_OBJECT

  public:
    CSoundRow(QWidget* parent, const QString& label, const QString& path);
    void AddTo(QGridLayout* grid, int row);

    QString Path() const;
    void SetPath(const QString& path);
    void SetBold(bool bold);

    QLabel* Label() const { return label_; }
    QLineEdit* PathField() const { return path_; }
    QPushButton* BrowseButton() const { return browse_; }
    QPushButton* PlayButton() const { return play_; }

    // True when the PC has an audio output the play buttons can use.
    static bool PlaybackAvailable();

  private:
    void Browse();
    void Play();
    void UpdatePlayButton();

    QLabel* label_;
    QLineEdit* path_;
    QPushButton* browse_;
    QPushButton* play_;
    bool device_;
    CSoundPlayer* player_ = nullptr;
};

}  // namespace morvik

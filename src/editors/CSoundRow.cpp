#include "editors/CSoundRow.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppStringIds.h"
#include "app/FileDialogs.h"
#include "app/QtText.h"
#include "app/SoundPlayer.h"
#include "model/Utf8Path.h"
#include "model/WavCheck.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

// A path field holds at most this many characters (a Windows path).
constexpr int kSoundPathLength = 259;

}  // namespace

CSoundRow::CSoundRow(QWidget* parent, const QString& label, const QString& path)
    : QObject(parent),
      label_(new QLabel(label, parent)),
      path_(new QLineEdit(path, parent)),
      browse_(new QPushButton(Tr(res::ids::kBrowse), parent)),
      play_(new QPushButton(Tr(res::ids::kAppPlaySound), parent)),
      device_(PlaybackAvailable()) {
    path_->setMaxLength(kSoundPathLength);
    path_->setMinimumWidth(196);
    browse_->setAutoDefault(false);
    play_->setAutoDefault(false);
    connect(browse_, &QPushButton::clicked, this, &CSoundRow::Browse);
    connect(play_, &QPushButton::clicked, this, &CSoundRow::Play);
    connect(path_, &QLineEdit::textChanged, this, &CSoundRow::UpdatePlayButton);
    UpdatePlayButton();
}

void CSoundRow::AddTo(QGridLayout* grid, int row) {
    grid->addWidget(label_, row, 0);
    grid->addWidget(path_, row, 1);
    grid->addWidget(browse_, row, 2);
    grid->addWidget(play_, row, 3);
}

QString CSoundRow::Path() const {
    return path_->text();
}

void CSoundRow::SetPath(const QString& path) {
    path_->setText(path);
}

void CSoundRow::SetBold(bool bold) {
    QFont font = label_->font();
    font.setBold(bold);
    label_->setFont(font);
}

bool CSoundRow::PlaybackAvailable() {
    return CSoundPlayer::Available();
}

void CSoundRow::Browse() {
    const ChosenFile chosen =
        ChooseFile(path_->window(), FileDialogMode::Open, res::ids::kWaveFileFilter, Path());
    if (chosen.Chosen()) {
        SetPath(chosen.shown);
    }
}

void CSoundRow::Play() {
    if (player_ == nullptr) {
        player_ = new CSoundPlayer(this);
    }
    // A file the player cannot read simply stays silent: the OK checks of the dialog are where a
    // wrong file is reported. Only a wave file the terminal would take reaches the player, whose
    // loader would wait for ever on a FIFO under the name.
    if (CheckWavFile(PathFromUtf8(LocalPath(Path()))).status != WavStatus::Accepted) {
        return;
    }
    player_->Play(Path());
}

void CSoundRow::UpdatePlayButton() {
    play_->setEnabled(device_ && !Path().isEmpty());
    play_->setToolTip(Tr(device_ ? res::ids::kAppPlaySoundTip : res::ids::kAppNoAudioDeviceTip));
}

}  // namespace morvik

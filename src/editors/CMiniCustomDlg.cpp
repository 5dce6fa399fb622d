#include "editors/CMiniCustomDlg.h"

#include <QTabWidget>

#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "editors/CAttractDlg.h"
#include "editors/CMiniConfigDlg.h"
#include "editors/CTermConfigDlg.h"
#include "editors/MiniSetDialogs.h"
#include "editors/MiniWriteRun.h"
#include "files/MiniFamilySettingsFile.h"
#include "model/MiniEditorRules.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

}  // namespace

CMiniCustomDlg::CMiniCustomDlg(IWindowHost& host)
    : CMiniDetailEditionDlg(host, ids::kMiniDetailedCaption),
      setPages_{new CMiniConfigDlg(0, true), new CMiniConfigDlg(1, true)},
      attractPage_(new CAttractDlg),
      termPage_(new CTermConfigDlg) {
    setObjectName(QStringLiteral("CMiniCustomDlg"));
    Tabs()->addTab(setPages_[0], Tr(ids::kSet1));
    Tabs()->addTab(setPages_[1], Tr(ids::kSet2));
    Tabs()->addTab(attractPage_, Tr(ids::kGuidanceSettings));
    Tabs()->addTab(termPage_, Tr(ids::kBodySettings));

    setPages_[0]->Bind(&settings_.sets[0]);
    setPages_[1]->Bind(&settings_.sets[1]);
    attractPage_->Bind(&settings_.guidance);
    termPage_->Bind(&settings_.terminal);
    for (int set = 0; set < 2; ++set) {
        CMiniConfigDlg* page = setPages_[set];
        connect(page, &CMiniConfigDlg::Changed, this, &CMiniCustomDlg::UpdateButtons);
        connect(page, &CMiniConfigDlg::InputRefused, this, &CMiniCustomDlg::ShowRefusal);
        connect(page, &CMiniConfigDlg::CopyClicked, this, [this, set] { CopySet(set); });
        connect(page, &CMiniConfigDlg::LampClicked, this, [this, set] { OpenSetLamp(set); });
        connect(page, &CMiniConfigDlg::SoundClicked, this, [this, set] {
            OpenSound(static_cast<int>(set == 0 ? SoundDialogMode::Set1 : SoundDialogMode::Set2));
        });
    }
    connect(attractPage_, &CAttractDlg::LampClicked, this, &CMiniCustomDlg::OpenGuidanceLamp);
    connect(attractPage_, &CAttractDlg::SoundClicked, this,
            [this] { OpenSound(static_cast<int>(SoundDialogMode::Guidance)); });
    // Room for long URLs side by side and for the Toruca page's nine fields without crowding,
    // inside a 1024 x 768 screen.
    FinishLayout();
}

CMiniCustomDlg::~CMiniCustomDlg() = default;

void CMiniCustomDlg::RefreshAll() {
    setPages_[0]->Refresh();
    setPages_[1]->Refresh();
    attractPage_->Refresh();
    termPage_->Refresh();
    UpdateNote();
    UpdateButtons();
}

std::vector<std::string> MiniDetailEdition::Validate(const Settings& settings) {
    // The checks of ValidateMiniSettings, each line naming its tab (and group).
    PlacedProblems problems;
    problems.AddSets(settings.sets, std::array{ids::kSet1, ids::kSet2});
    problems.Add(ids::kBodySettings, ValidateAuthCode(settings.terminal.authCode));
    return problems.lines;
}

bool MiniDetailEdition::WriteAllowed(const Settings& settings) {
    return MiniWriteButtonsEnabled(settings);
}

int MiniDetailEdition::NoteId(const Settings& settings) {
    return MiniSoundNoteId(settings);
}

bool MiniDetailEdition::Save(const std::filesystem::path& path, const Settings& settings,
                             std::string& message) {
    return SaveMiniSettingsFile(path, settings, message);
}

void CMiniCustomDlg::CopySet(int fromSet) {
    const int question = fromSet == 0 ? ids::kCopySet1ToSet2Confirm : ids::kCopySet2ToSet1Confirm;
    if (Host().MessageBox(this, Tr(ids::kCopyCaption), Tr(question), QMessageBox::Question,
                          QMessageBox::Ok | QMessageBox::Cancel, false) != QMessageBox::Ok) {
        return;
    }
    CopyMiniSet(fromSet, settings_, choices_);
    RefreshAll();
    Host().MessageBox(this, Tr(ids::kCopyCaption), Tr(ids::kCopied), QMessageBox::Information,
                      QMessageBox::Ok, false);
}

void CMiniCustomDlg::OpenSetLamp(int setIndex) {
    RunSetLampDialog(this, Host(), setIndex, settings_, choices_);
}

void CMiniCustomDlg::OpenGuidanceLamp() {
    RunGuidanceLampDialog(this, Host(), settings_, choices_);
}

void CMiniCustomDlg::OpenSound(int mode) {
    RunSoundDialog(this, Host(), static_cast<SoundDialogMode>(mode), settings_);
    UpdateNote();
}

}  // namespace morvik

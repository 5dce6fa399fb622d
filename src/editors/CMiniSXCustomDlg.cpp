#include "editors/CMiniSXCustomDlg.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "editors/CMiniSXConfigDlg.h"
#include "editors/CMiniSXFSmartConfigDlg.h"
#include "editors/CMiniSXNFCDlg.h"
#include "editors/CMiniSXSoundDlg.h"
#include "editors/CSXTermConfigDlg.h"
#include "editors/MiniWriteRun.h"
#include "files/MiniFamilySettingsFile.h"
#include "model/MiniSxEditorRules.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

namespace ids = res::ids;

}  // namespace

CMiniSXCustomDlg::CMiniSXCustomDlg(IWindowHost& host)
    : CMiniDetailEditionDlg(host, ids::kMiniSxDetailedCaption),
      configPages_{new CMiniSXConfigDlg(0), new CMiniSXConfigDlg(1)},
      detectionPage_(new CMiniSXFSmartConfigDlg),
      nfcPage_(new CMiniSXNFCDlg),
      termPage_(new CSXTermConfigDlg) {
    setObjectName(QStringLiteral("CMiniSXCustomDlg"));
    // Tab 1: the detection page with the smartphone settings under it.
    auto* smartphone = new QWidget;
    auto* smartphoneLayout = new QVBoxLayout(smartphone);
    smartphoneLayout->addWidget(detectionPage_);
    smartphoneLayout->addWidget(configPages_[1], 1);
    smartphoneLayout->addStretch();
    // The window keeps its size whether the smartphone settings show or not.
    QSizePolicy keepRoom = configPages_[1]->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    configPages_[1]->setSizePolicy(keepRoom);
    Tabs()->addTab(configPages_[0], Tr(ids::kBasicSettings));
    Tabs()->addTab(smartphone, Tr(ids::kOsaifuSmartphoneSettings));
    Tabs()->addTab(nfcPage_, Tr(ids::kNfcSmartphoneSettings));
    Tabs()->addTab(termPage_, Tr(ids::kBodySettings));

    configPages_[0]->Bind(&settings_.sets[0]);
    configPages_[1]->Bind(&settings_.sets[1]);
    detectionPage_->Bind(&settings_.smartphone);
    nfcPage_->Bind(&settings_.nfc);
    termPage_->Bind(&settings_.clockCheck);
    for (CMiniSXConfigDlg* page : configPages_) {
        connect(page, &CMiniConfigDlg::Changed, this, &CMiniSXCustomDlg::UpdateButtons);
        connect(page, &CMiniConfigDlg::InputRefused, this, &CMiniSXCustomDlg::ShowRefusal);
    }
    connect(detectionPage_, &CMiniSXFSmartConfigDlg::Chosen, this,
            &CMiniSXCustomDlg::ShowSmartphonePage);
    connect(nfcPage_, &CMiniSXNFCDlg::Changed, this, &CMiniSXCustomDlg::UpdateButtons);
    connect(nfcPage_, &CMiniSXNFCDlg::InputRefused, this, &CMiniSXCustomDlg::ShowRefusal);
    connect(termPage_, &CSXTermConfigDlg::LampClicked, this, &CMiniSXCustomDlg::OpenLamp);
    connect(termPage_, &CSXTermConfigDlg::SoundClicked, this, &CMiniSXCustomDlg::OpenSound);
    ShowSmartphonePage();
    FinishLayout();
}

CMiniSXCustomDlg::~CMiniSXCustomDlg() = default;

void CMiniSXCustomDlg::ShowSmartphonePage() {
    configPages_[1]->setVisible(SmartphonePageShown(settings_.smartphone.Choice()));
}

void CMiniSXCustomDlg::RefreshAll() {
    for (CMiniSXConfigDlg* page : configPages_) {
        page->Refresh();
    }
    detectionPage_->Refresh();
    nfcPage_->Refresh();
    termPage_->Refresh();
    ShowSmartphonePage();
    UpdateNote();
    UpdateButtons();
}

void CMiniSXCustomDlg::OpenLamp() {
    RunMiniSxLampDialog(this, Host(), settings_.lamps, lampChoices_);
}

void CMiniSXCustomDlg::OpenSound() {
    RunMiniSxSoundDialog(this, Host(), settings_.soundPaths, settings_.registerSounds);
    UpdateNote();
}

std::vector<std::string> MiniSxDetailEdition::Validate(const Settings& settings) {
    // The checks of ValidateMiniSxSettings, each line naming its tab (and group).
    PlacedProblems problems;
    problems.AddSets(settings.sets,
                     std::array{ids::kBasicSettings, ids::kOsaifuSmartphoneSettings});
    problems.Add(ids::kNfcSmartphoneSettings, ValidateNfcSettings(settings.nfc));
    return problems.lines;
}

bool MiniSxDetailEdition::WriteAllowed(const Settings& settings) {
    return MiniSxWriteButtonsEnabled(settings);
}

int MiniSxDetailEdition::NoteId(const Settings& settings) {
    return MiniSxSoundNoteId(settings);
}

bool MiniSxDetailEdition::Save(const std::filesystem::path& path, const Settings& settings,
                               std::string& message) {
    return SaveMiniSxSettingsFile(path, settings, message);
}

}  // namespace morvik

#include "editors/CMiniSXCustomDlg.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "editors/CMiniSXConfigDlg.h"
#include "editors/CMiniSXFSmartConfigDlg.h"
#include "editors/CMiniSXNFCDlg.h"
#include "editors/CMiniSXSoundDlg.h"
#include "editors/CSXTermConfigDlg.h"
#include "editors/MiniWriteRun.h"
#include "files/MiniSxSettingsFile.h"
#include "model/MiniSxEditorRules.h"
#include "res/StringIds.h"
#include "sessions/MiniSxReadSession.h"
#include "sessions/MiniSxWriteSession.h"
#include "sessions/dialogs/CMiniSXProgressDlg.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr int kInitialWidth = 960;
constexpr int kInitialHeight = 660;

}  // namespace

CMiniSXCustomDlg::CMiniSXCustomDlg(CMVKAppDlg& main)
    : CMiniDetailFrameDlg(main, ids::kMiniSxDetailedCaption),
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
        connect(page, &CMiniConfigDlg::LengthMessage, this, &CMiniSXCustomDlg::ShowLengthMessage);
    }
    connect(detectionPage_, &CMiniSXFSmartConfigDlg::Chosen, this,
            &CMiniSXCustomDlg::ShowSmartphonePage);
    connect(nfcPage_, &CMiniSXNFCDlg::Changed, this, &CMiniSXCustomDlg::UpdateButtons);
    connect(nfcPage_, &CMiniSXNFCDlg::LengthMessage, this, &CMiniSXCustomDlg::ShowLengthMessage);
    connect(termPage_, &CSXTermConfigDlg::LampClicked, this, &CMiniSXCustomDlg::OpenLamp);
    connect(termPage_, &CSXTermConfigDlg::SoundClicked, this, &CMiniSXCustomDlg::OpenSound);
    ShowSmartphonePage();
    FinishLayout(QSize(kInitialWidth, kInitialHeight));
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
    RunMiniSXLampDialog(this, Main(), settings_.lamps, lampChoices_);
}

void CMiniSXCustomDlg::OpenSound() {
    RunMiniSXSoundDialog(this, Main(), settings_.soundPaths, settings_.registerSounds);
    UpdateNote();
}

std::vector<std::string> CMiniSXCustomDlg::Validate() const {
    return ValidateMiniSXSettings(settings_);
}

bool CMiniSXCustomDlg::WriteAllowed() const {
    return MiniSXWriteButtonsEnabled(settings_);
}

int CMiniSXCustomDlg::NoteId() const {
    return MiniSXSoundNoteId(settings_);
}

std::unique_ptr<CSessionWorker> CMiniSXCustomDlg::MakeReadSession(const QString& filePath) {
    if (!filePath.isEmpty()) {
        return std::make_unique<CMiniSXReadSession>(filePath.toStdString(), settings_);
    }
    return std::make_unique<CMiniSXReadSession>(Main().Terminal(), true, settings_);
}

void CMiniSXCustomDlg::RunRead(CSessionWorker& read, bool fromFile) {
    CTerminal& terminal = Main().Terminal();
    CMiniSXProgressDlg dialog(read, this);
    dialog.SetExchangeEndedHandler([&terminal] { terminal.Disconnect(); }, fromFile);
    dialog.exec();
}

bool CMiniSXCustomDlg::TakeRead(const CSessionWorker& worker) {
    const auto& read = static_cast<const CMiniSXReadSession&>(worker);
    if (!read.Loaded()) {
        return false;
    }
    settings_ = read.Settings();
    RefreshAll();
    return true;
}

bool CMiniSXCustomDlg::RunWrite(bool setClock, std::string& errorText) {
    CMiniSXWriteSession session(Main().Terminal(), settings_, setClock);
    const bool done = RunWriteDialog<CMiniSXProgressDlg>(Main(), this, session);
    errorText = session.ErrorText();
    return done;
}

bool CMiniSXCustomDlg::SaveSettingsFile(const QString& path, std::string& message) const {
    return SaveMiniSXSettingsFile(std::filesystem::path(path.toStdString()), settings_, message);
}

}  // namespace morvik

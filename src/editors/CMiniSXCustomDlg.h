#pragma once
// The detailed settings window of a MiniSx (caption 362 with the connection or the file name),
// in the frame the Mini family's detailed windows share: four tabs over one settings value —
// 基本設定 (the basic function pages), おサイフケータイスマートフォン設定 (the detection page and,
// for its third choice only, the smartphone function pages under it), NFCスマートフォン設定 and
// 本体設定 (the time check and the lamp and sound windows). The pages edit the value in place;
// a page that is hidden keeps what it holds.

#include "dialogs/CMiniSXProgressDlg.h"
#include "editors/CMiniDetailEditionDlg.h"
#include "editors/CMiniSXLampDlg.h"
#include "model/MiniSxSettings.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"

namespace morvik {

class CMiniSXConfigDlg;
class CMiniSXFSmartConfigDlg;
class CMiniSXNFCDlg;
class CSXTermConfigDlg;

// What the detailed window of this edition reads, writes, checks and saves.
struct MiniSxDetailEdition {
    using Settings = MiniSxSettings;
    using ReadSession = CMiniSxReadSession;
    using WriteSession = CMiniSxWriteSession;
    using ProgressDlg = CMiniSXProgressDlg;
    static std::vector<std::string> Validate(const Settings& settings);
    static bool WriteAllowed(const Settings& settings);
    static int NoteId(const Settings& settings);
    static bool Save(const std::filesystem::path& path, const Settings& settings,
                     std::string& message);
};

class CMiniSXCustomDlg : public CMiniDetailEditionDlg<MiniSxDetailEdition> {
    Q_OBJECT

  public:
    explicit CMiniSXCustomDlg(IWindowHost& host);
    ~CMiniSXCustomDlg() override;

    MiniSxLampChoices& LampChoices() { return lampChoices_; }
    void RefreshAll() override;

    // setIndex 0: the basic settings page; 1: the smartphone settings page of tab 1.
    CMiniSXConfigDlg* ConfigPage(int setIndex) const { return configPages_[setIndex == 0 ? 0 : 1]; }
    CMiniSXFSmartConfigDlg* DetectionPage() const { return detectionPage_; }
    CMiniSXNFCDlg* NfcPage() const { return nfcPage_; }
    CSXTermConfigDlg* TermPage() const { return termPage_; }

    // The lamp and sound windows of the body page, modal.
    void OpenLamp();
    void OpenSound();

  private:
    void ShowSmartphonePage();

    // The lamp rows' list selections, kept between openings of the lamp window.
    MiniSxLampChoices lampChoices_{};
    CMiniSXConfigDlg* configPages_[2];
    CMiniSXFSmartConfigDlg* detectionPage_;
    CMiniSXNFCDlg* nfcPage_;
    CSXTermConfigDlg* termPage_;
};

}  // namespace morvik

#pragma once
// The detailed settings window of a MiniSx (caption 362 with the connection or the file name),
// in the frame the Mini family's detailed windows share: four tabs over one settings value —
// 基本設定 (the basic function pages), おサイフケータイスマートフォン設定 (the detection page and,
// for its third choice only, the smartphone function pages under it), NFCスマートフォン設定 and
// 本体設定 (the time check and the lamp and sound windows). The pages edit the value in place;
// a page that is hidden keeps what it holds.

#include "editors/CMiniDetailFrameDlg.h"
#include "editors/CMiniSXLampDlg.h"
#include "model/MiniSxSettings.h"

namespace morvik {

class CMiniSXConfigDlg;
class CMiniSXFSmartConfigDlg;
class CMiniSXNFCDlg;
class CSXTermConfigDlg;

class CMiniSXCustomDlg : public CMiniDetailFrameDlg {
    Q_OBJECT

  public:
    explicit CMiniSXCustomDlg(CMVKAppDlg& main);
    ~CMiniSXCustomDlg() override;

    MiniSXSettings& Settings() { return settings_; }
    MiniSXLampChoices& LampChoices() { return lampChoices_; }
    // Shows the value again after it was changed from outside the pages.
    void RefreshAll();

    // setIndex 0: the basic settings page; 1: the smartphone settings page of tab 1.
    CMiniSXConfigDlg* ConfigPage(int setIndex) const { return configPages_[setIndex == 0 ? 0 : 1]; }
    CMiniSXFSmartConfigDlg* DetectionPage() const { return detectionPage_; }
    CMiniSXNFCDlg* NfcPage() const { return nfcPage_; }
    CSXTermConfigDlg* TermPage() const { return termPage_; }

    // The lamp and sound windows of the body page, modal.
    void OpenLamp();
    void OpenSound();

  protected:
    std::vector<std::string> Validate() const override;
    bool WriteAllowed() const override;
    int NoteId() const override;
    std::unique_ptr<CSessionWorker> MakeReadSession(const QString& filePath) override;
    void RunRead(CSessionWorker& read, bool fromFile) override;
    bool TakeRead(const CSessionWorker& read) override;
    bool RunWrite(bool setClock, std::string& errorText) override;
    bool SaveSettingsFile(const QString& path, std::string& message) const override;

  private:
    void ShowSmartphonePage();

    MiniSXSettings settings_;
    // The lamp rows' list selections, kept between openings of the lamp window.
    MiniSXLampChoices lampChoices_{};
    CMiniSXConfigDlg* configPages_[2];
    CMiniSXFSmartConfigDlg* detectionPage_;
    CMiniSXNFCDlg* nfcPage_;
    CSXTermConfigDlg* termPage_;
};

}  // namespace morvik

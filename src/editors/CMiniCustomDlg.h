#pragma once
// The detailed settings window of a Mini/MiniS (詳細設定): four tabs (設定1, 設定2, 定期誘導設定,
// 本体設定) over one settings value, in the frame the Mini family's detailed windows share (the
// note line, the buttons, the read, write and save flows). The pages edit the value in place.

#include "editors/CMiniDetailFrameDlg.h"
#include "model/LampRowChoices.h"
#include "model/MiniSettings.h"

namespace morvik {

class CMVKAppDlg;
class CAttractDlg;
class CMiniConfigDlg;
class CTermConfigDlg;

// Caption 196 with the connection or the file name.
class CMiniCustomDlg : public CMiniDetailFrameDlg {
    Q_OBJECT

  public:
    explicit CMiniCustomDlg(CMVKAppDlg& main);
    ~CMiniCustomDlg() override;

    MiniSettings& Settings() { return settings_; }
    MiniLampChoices& LampChoices() { return choices_; }
    // Shows the value again after it was changed from outside the pages.
    void RefreshAll();

    CMiniConfigDlg* SetPage(int setIndex) const { return setPages_[setIndex == 0 ? 0 : 1]; }
    CTermConfigDlg* TermPage() const { return termPage_; }
    CAttractDlg* AttractPage() const { return attractPage_; }

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
    void CopySet(int fromSet);
    void OpenSetLamp(int setIndex);
    void OpenSound(int mode);
    void OpenGuidanceLamp();

    MiniSettings settings_;
    MiniLampChoices choices_;
    CMiniConfigDlg* setPages_[2];
    CAttractDlg* attractPage_;
    CTermConfigDlg* termPage_;
};

}  // namespace morvik

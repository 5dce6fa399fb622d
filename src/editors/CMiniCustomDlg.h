#pragma once
// The detailed settings window of a Mini/MiniS (詳細設定): four tabs (設定1, 設定2, 定期誘導設定,
// 本体設定) over one settings value, in the frame the Mini family's detailed windows share (the
// note line, the buttons, the read, write and save flows). The pages edit the value in place.

#include "dialogs/CMiniProgressDlg.h"
#include "editors/CMiniDetailEditionDlg.h"
#include "model/LampRowChoices.h"
#include "model/MiniSettings.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"

namespace morvik {

class IWindowHost;
class CAttractDlg;
class CMiniConfigDlg;
class CTermConfigDlg;

// What the detailed window of this edition reads, writes, checks and saves.
struct MiniDetailEdition {
    using Settings = MiniSettings;
    using ReadSession = CMiniReadSession;
    using WriteSession = CMiniWriteSession;
    using ProgressDlg = CMiniProgressDlg;
    static std::vector<std::string> Validate(const Settings& settings);
    static bool WriteAllowed(const Settings& settings);
    static int NoteId(const Settings& settings);
    static bool Save(const std::filesystem::path& path, const Settings& settings,
                     std::string& message);
};

// Caption 196 with the connection or the file name.
class CMiniCustomDlg : public CMiniDetailEditionDlg<MiniDetailEdition> {
    Q_OBJECT

  public:
    explicit CMiniCustomDlg(IWindowHost& host);
    ~CMiniCustomDlg() override;

    MiniLampChoices& LampChoices() { return choices_; }
    void RefreshAll() override;

    CMiniConfigDlg* SetPage(int setIndex) const { return setPages_[setIndex == 0 ? 0 : 1]; }
    CTermConfigDlg* TermPage() const { return termPage_; }
    CAttractDlg* AttractPage() const { return attractPage_; }

  private:
    void CopySet(int fromSet);
    void OpenSetLamp(int setIndex);
    void OpenSound(int mode);
    void OpenGuidanceLamp();

    MiniLampChoices choices_;
    CMiniConfigDlg* setPages_[2];
    CAttractDlg* attractPage_;
    CTermConfigDlg* termPage_;
};

}  // namespace morvik

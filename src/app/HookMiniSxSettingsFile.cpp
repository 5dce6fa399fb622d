// A MiniSx settings file opened from 機器設定ファイルを開く: a new detailed window
// (CMiniSXCustomDlg) in the MiniSx list, titled with the file name and loaded from the file.

#include <QFileInfo>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "editors/CMiniSXCustomDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::OpenMiniSxSettingsFile(const QString& path) {
    auto* window = new CMiniSXCustomDlg(*this);
    if (!RegisterSettingsWindow(Family::MiniSx, window)) {
        delete window;
        ErrorBox(Tr(res::ids::kTooManySettingsWindows));
        return;
    }
    window->SetCloseAfterWrite(CloseAfterWrite());
    window->SetCaptionText(QFileInfo(path).fileName());
    window->show();
    // A load that gives nothing shows 914 (the read's own text when it has one).
    const CMiniSXCustomDlg::ReadOutcome outcome = window->Read(path);
    if (!outcome.loaded) {
        delete window;
        ErrorBox(outcome.message);
        return;
    }
    if (!outcome.message.isEmpty()) {
        ErrorBox(outcome.message, window, false);
    }
}

}  // namespace morvik

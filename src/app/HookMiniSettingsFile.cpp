// A Mini/MiniS settings file opened from 機器設定ファイルを開く: a new detailed window
// (CMiniCustomDlg) in the Mini list, titled with the file name and loaded from the file.

#include <QFileInfo>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "editors/CMiniCustomDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::OpenMiniSettingsFile(const QString& path) {
    auto* window = new CMiniCustomDlg(*this);
    if (!RegisterSettingsWindow(Family::Mini, window)) {
        delete window;
        ErrorBox(Tr(res::ids::kTooManySettingsWindows));
        return;
    }
    window->SetCloseAfterWrite(CloseAfterWrite());
    window->SetCaptionText(QFileInfo(path).fileName());
    window->show();
    const CMiniCustomDlg::ReadOutcome outcome = window->Read(path);
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

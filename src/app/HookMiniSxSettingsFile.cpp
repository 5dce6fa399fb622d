// A MiniSx settings file (CMiniSXCustomDlg), opened from 機器設定ファイルを開く.
// Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::OpenMiniSxSettingsFile(const QString& path) {
    (void)path;
    WindowNotYetAvailable(res::ids::kMenuOpenSettingsFile);
}

}  // namespace morvik

// A device settings file opened into the settings window of its edition.
// Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::OpenSettingsFileWindow(const QString& path) {
    (void)path;
    WindowNotYetAvailable(res::ids::kMenuOpenSettingsFile);
}

}  // namespace morvik

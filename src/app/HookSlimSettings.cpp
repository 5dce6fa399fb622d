// The Slim settings window (CConfigDlg) read from a terminal, kept in the Slim slot.
// Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::OpenSlimSettingsFromTerminal(const std::string& terminalId) {
    (void)terminalId;
    WindowNotYetAvailable(res::ids::kMenuChangeSettings);
}

}  // namespace morvik

// The About entry of the window's system menu, and the system commands that open the About box.

#include <windows.h>

#include "app/CMVKAppDlg.h"
#include "app/CommandIds.h"
#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::AddSystemMenuAbout() {
    const QString text = Tr(res::ids::kAboutMenuItem);
    if (text.isEmpty()) {
        return;
    }
    HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (menu != nullptr) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, cmd::kSystemAbout,
                      reinterpret_cast<const wchar_t*>(text.utf16()));
    }
}

bool CMVKAppDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const MSG* msg = static_cast<const MSG*>(message);
    // Every system command whose low 16 bits lie in 16..31 opens the About box.
    if (msg->message == WM_SYSCOMMAND) {
        const unsigned id = static_cast<unsigned>(msg->wParam) & 0xFFFFu;
        if (id >= 16 && id <= 31) {
            OnAbout();
            *result = 0;
            return true;
        }
    }
    return QDialog::nativeEvent(eventType, message, result);
}

}  // namespace morvik

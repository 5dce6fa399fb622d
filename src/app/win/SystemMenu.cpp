#include "app/SystemMenu.h"

#include <windows.h>

#include <QWidget>

#include "app/CommandIds.h"
#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

void AddAboutToSystemMenu(QWidget& window) {
    const QString text = Tr(res::ids::kAboutMenuItem);
    if (text.isEmpty()) {
        return;
    }
    HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (menu != nullptr) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, cmd::kSystemAbout,
                      reinterpret_cast<const wchar_t*>(text.utf16()));
    }
}

bool IsSystemMenuAbout(const void* message) {
    const MSG* msg = static_cast<const MSG*>(message);
    // Every system command whose low 16 bits lie in 16..31 opens the About box.
    if (msg->message != WM_SYSCOMMAND) {
        return false;
    }
    const unsigned id = static_cast<unsigned>(msg->wParam) & 0xFFFFu;
    return id >= 16 && id <= 31;
}

}  // namespace morvik

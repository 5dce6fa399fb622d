// The About entry of the window's system menu. Only Windows gives windows a system menu that a
// program may extend (win/SystemMenu.cpp); elsewhere the menu command バージョン情報 is the way
// to the About box and the window's native events are Qt's alone.

#include "app/CMVKAppDlg.h"

namespace morvik {

void CMVKAppDlg::AddSystemMenuAbout() {}

bool CMVKAppDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    return QDialog::nativeEvent(eventType, message, result);
}

}  // namespace morvik

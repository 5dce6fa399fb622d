#pragma once
// The About entry of the main window's system menu. Only Windows gives windows a system menu that
// a program may extend (win/SystemMenu.cpp); elsewhere the menu command バージョン情報 is the way
// to the About box, and these do nothing.

class QWidget;

namespace morvik {

// Appends a separator and the About entry to window's system menu.
void AddAboutToSystemMenu(QWidget& window);

// True when message (a native event of the window) is a system command that opens the About box.
bool IsSystemMenuAbout(const void* message);

}  // namespace morvik

// Placeholders until the lamp and sound dialogs exist: replace the bodies of this file.

#include "editors/MiniSetDialogs.h"

#include <QMessageBox>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

namespace {

bool NotYetAvailable(QWidget* parent, CMVKAppDlg& main) {
    main.MessageBox(parent, Tr(res::ids::kAppName), QStringLiteral("準備中です。"),
                    QMessageBox::Information, QMessageBox::Ok, true);
    return false;
}

}  // namespace

bool RunSetLampDialog(QWidget* parent, CMVKAppDlg& main, int, MiniSettings&, MiniLampChoices&) {
    return NotYetAvailable(parent, main);
}

bool RunGuidanceLampDialog(QWidget* parent, CMVKAppDlg& main, MiniSettings&, MiniLampChoices&) {
    return NotYetAvailable(parent, main);
}

bool RunSoundDialog(QWidget* parent, CMVKAppDlg& main, SoundDialogMode, MiniSettings&) {
    return NotYetAvailable(parent, main);
}

}  // namespace morvik

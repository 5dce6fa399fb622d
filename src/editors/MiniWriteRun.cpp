#include "editors/MiniWriteRun.h"

#include <QMessageBox>

#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

QString BoxText(const std::string& cp932Lines) {
    QString text = FromCp932(cp932Lines);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) {
        text.chop(1);
    }
    return text;
}

bool OpenForWrite(CTerminal& terminal) {
    if (!terminal.Connect(false)) {
        return false;
    }
    if (!terminal.OpenSession()) {
        terminal.Disconnect();
        return false;
    }
    return true;
}

void ShowWriteOutcome(CMVKAppDlg& main, QWidget* owner, bool done, const std::string& errorText) {
    if (done) {
        main.MessageBox(owner, Tr(res::ids::kWriteDoneCaption), Tr(res::ids::kWriteDoneRebooted),
                        QMessageBox::Information, QMessageBox::Ok, false);
    } else {
        main.ErrorBox(BoxText(errorText), owner, false);
    }
}

}  // namespace morvik

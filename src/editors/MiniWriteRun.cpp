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

WriteOutcome OutcomeOf(const CSessionWorker& session, bool done) {
    return {.done = done, .refused = session.TerminalRefused(), .errorText = session.ErrorText()};
}

void ShowWriteOutcome(IWindowHost& host, QWidget* owner, const WriteOutcome& outcome) {
    if (outcome.done) {
        host.MessageBox(owner, Tr(res::ids::kWriteDoneCaption), Tr(res::ids::kWriteDoneRebooted),
                        QMessageBox::Information, QMessageBox::Ok, false);
    } else if (outcome.refused) {
        host.MessageBox(owner, Tr(res::ids::kWriteSettingsCaption), BoxText(outcome.errorText),
                        QMessageBox::Warning, QMessageBox::Ok, false);
    } else {
        host.ErrorBox(BoxText(outcome.errorText), owner, false);
    }
}

}  // namespace morvik

#include "app/CEndOfRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "app/CQtReporter.h"
#include "dialogs/SessionWindowMark.h"

namespace morvik {

CEndOfRun::CEndOfRun(CQtReporter& reporter, std::function<void()> quit)
    : reporter_(reporter), quit_(std::move(quit)) {
    timer_.setInterval(kStepMs);
    connect(&timer_, &QTimer::timeout, this, &CEndOfRun::Step);
}

void CEndOfRun::Begin() {
    if (begun_) {
        return;
    }
    begun_ = true;
    reporter_.SetEnding();
    timer_.start();
    Step();
}

// Repeated until the last session window has closed: a window whose work cannot stop at once
// (a transfer that runs to its end, a session that ignores the request) is asked again, and then
// closes as its own button would close it.
void CEndOfRun::Step() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible()) {
            continue;
        }
        if (QAbstractButton* cancel = box->escapeButton()) {
            cancel->click();
        } else {
            box->reject();
        }
    }
    const std::vector<QDialog*> sessions = CSessionWindowMark::Shown();
    if (!sessions.empty()) {
        for (QDialog* window : sessions) {
            window->reject();
        }
        return;
    }
    timer_.stop();
    if (quit_) {
        std::function<void()> quit = std::move(quit_);
        quit_ = nullptr;
        quit();
    }
}

}  // namespace morvik

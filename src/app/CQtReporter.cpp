#include "app/CQtReporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "model/ShownText.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

// A message can carry a terminal's own text (an ID, a reply): no control character of it reaches
// the box.
QString Shown(const std::string& cp932) {
    return FromCp932(ReplaceControlBytes(cp932, true));
}

}  // namespace

CQtReporter::CQtReporter(CMVKAppDlg& window) : window_(window) {}

CQtReporter::~CQtReporter() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
}

void CQtReporter::OnUiThread(const std::function<void()>& work) {
    if (QThread::currentThread() == thread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(this, work, Qt::BlockingQueuedConnection);
}

void CQtReporter::ShowError(const std::string& text) {
    if (ending_.load()) {
        return;
    }
    OnUiThread([&] { window_.ErrorBox(Shown(text)); });
}

void CQtReporter::ShowWarning(const std::string& caption, const std::string& text) {
    if (ending_.load()) {
        return;
    }
    OnUiThread([&] {
        window_.MessageBox(nullptr, FromCp932(caption), Shown(text), QMessageBox::Warning,
                           QMessageBox::Ok, true);
    });
}

void CQtReporter::ShowInformation(const std::string& caption, const std::string& text) {
    if (ending_.load()) {
        return;
    }
    OnUiThread([&] {
        window_.MessageBox(nullptr, FromCp932(caption), Shown(text), QMessageBox::Information,
                           QMessageBox::Ok, true);
    });
}

bool CQtReporter::Ask(const std::string& caption, const std::string& question) {
    bool ok = false;
    if (ending_.load()) {
        return ok;
    }
    OnUiThread([&] {
        ok = window_.MessageBox(nullptr, FromCp932(caption), Shown(question), QMessageBox::Question,
                                QMessageBox::Ok | QMessageBox::Cancel, true) == QMessageBox::Ok;
    });
    return ok;
}

void CQtReporter::SetBusy(bool busy) {
    OnUiThread([&] {
        if (busy && !busy_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else if (!busy && busy_) {
            QApplication::restoreOverrideCursor();
        }
        busy_ = busy;
    });
}

void CQtReporter::SetCanClose(bool canClose) {
    OnUiThread([&] { window_.SetCanClose(canClose); });
}

}  // namespace morvik

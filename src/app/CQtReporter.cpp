#include "app/CQtReporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

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
    OnUiThread([&] { window_.ErrorBox(FromCp932(text)); });
}

void CQtReporter::ShowWarning(const std::string& caption, const std::string& text) {
    OnUiThread([&] {
        window_.MessageBox(nullptr, FromCp932(caption), FromCp932(text), QMessageBox::Warning,
                           QMessageBox::Ok, true);
    });
}

void CQtReporter::ShowInformation(const std::string& caption, const std::string& text) {
    OnUiThread([&] {
        window_.MessageBox(nullptr, FromCp932(caption), FromCp932(text), QMessageBox::Information,
                           QMessageBox::Ok, true);
    });
}

bool CQtReporter::Ask(const std::string& caption, const std::string& question) {
    bool ok = false;
    OnUiThread([&] {
        ok = window_.MessageBox(nullptr, FromCp932(caption), FromCp932(question),
                                QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel,
                                true) == QMessageBox::Ok;
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

// The detection log's chart window (src/charts), opened on any detection log CSV from
// ファイル → 検出ログを開く, and on the file just saved from 検出ログの取得 (HookDetectionLog.cpp).

#include <QFileDialog>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "charts/CDetectionLogDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::OnOpenDetectionLog() {
    ModalGuard(true);
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), QString(), QtFileFilter(res::ids::kDetectionLogFileFilter));
    ModalGuard(false);
    if (!path.isEmpty()) {
        ShowDetectionLogWindow(path);
    }
}

void CMVKAppDlg::ShowDetectionLogWindow(const QString& path) {
    // The window stands on its own beside the main window and is deleted with it; it never
    // touches the terminal, so the modal guard leaves it alone.
    CDetectionLogDlg* window = CDetectionLogDlg::Open(
        path, this, [this](const QString& text, QWidget* owner) { ErrorBox(text, owner); });
    if (window != nullptr) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

}  // namespace morvik

#include "app/CMVKAppApp.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/CEndOfRun.h"
#include "app/CSingleInstance.h"
#include "app/EndSignals.h"
#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

int CMVKAppApp::Run(const CMVKAppDlg::StartOptions& options) {
    CSingleInstance instance;
    if (!instance.Acquire()) {
        return 0;
    }
    // Caught from here on: a signal that comes while the window is being made waits in the
    // handling until the run's event loop takes it.
    OnEndSignals({});
    CMVKAppDlg window(options);
    CEndOfRun end(window.Reporter(), [] { QCoreApplication::exit(0); });
    OnEndSignals([&end] { end.Begin(); });
    QObject::connect(&instance, &CSingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // The main window is not run application-modal: the settings windows it opens are windows
    // of their own that must take input beside it. The run ends when it closes.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &QDialog::finished, qApp, &QApplication::quit);
    window.show();
    if (!instance.Guarded()) {
        ReportNoGuard(instance, window);
    }
    QApplication::exec();
    OnEndSignals({});
    return 0;
}

void CMVKAppApp::ReportNoGuard(const CSingleInstance& instance, CMVKAppDlg& window) {
    const QString text = instance.NoGuardText();
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    auto* box = new QMessageBox(QMessageBox::Warning, Tr(res::ids::kErrorCaption), text,
                                QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace morvik

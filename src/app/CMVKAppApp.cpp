#include "app/CMVKAppApp.h"

#include <QApplication>

#include "app/CSingleInstance.h"
#include "app/EndSignals.h"

namespace morvik {

int CMVKAppApp::Run(const CMVKAppDlg::StartOptions& options) {
    CSingleInstance instance;
    if (!instance.Acquire()) {
        return 0;
    }
    QuitOnEndSignals();
    CMVKAppDlg window(options);
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
    QApplication::exec();
    return 0;
}

}  // namespace morvik

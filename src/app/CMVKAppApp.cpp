#include "app/CMVKAppApp.h"

#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>

#include "app/CSingleInstance.h"

namespace morvik {
namespace {

int g_endPipe[2] = {-1, -1};

void OnEndSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_endPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP end the run as closing the main window does, so that the single-
// instance lock and socket are removed on the way out. The handler only writes to a pipe; the
// event loop reads it and quits.
void QuitOnEndSignals() {
    if (::pipe(g_endPipe) != 0) {
        return;  // the signals keep their default action
    }
    auto* notifier = new QSocketNotifier(g_endPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [notifier] {
        notifier->setEnabled(false);
        QApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace

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

#include "app/EndSignals.h"

#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>

namespace morvik {
namespace {

int g_endPipe[2] = {-1, -1};

void OnEndSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_endPipe[1], &byte, 1);
}

}  // namespace

// The handler only writes to a pipe; the event loop reads it and quits.
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

}  // namespace morvik

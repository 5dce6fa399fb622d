#include "app/EndSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <cerrno>

namespace morvik {
namespace {

int g_endPipe[2] = {-1, -1};

void OnEndSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_endPipe[1], &byte, 1);
    errno = saved;
}

std::function<void()>& EndHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

// The handler only writes to a pipe; the event loop reads it and calls onEnd. The notifier stays
// on: a signal that comes while the run is ending already is one more request, never lost.
void OnEndSignals(std::function<void()> onEnd) {
    EndHandler() = std::move(onEnd);
    if (g_endPipe[0] >= 0) {
        return;
    }
    if (::pipe2(g_endPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // the signals keep their default action
    }
    auto* notifier = new QSocketNotifier(g_endPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char bytes[64];
        while (::read(g_endPipe[0], bytes, sizeof bytes) > 0) {
        }
        if (EndHandler()) {
            EndHandler()();
        }
    });
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace morvik

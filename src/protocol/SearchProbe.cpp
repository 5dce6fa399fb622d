#include "protocol/SearchProbe.h"

namespace morvik {

bool ProbePortForSearch(CTerminal& terminal, int port, const std::atomic<bool>& cancel) {
    terminal.SetPortNumber(port);
    if (!terminal.Connect(true)) {
        return false;
    }
    terminal.SetExchangeCancel(&cancel);
    const bool found = terminal.ProbeSession();
    terminal.SetExchangeCancel(nullptr);
    if (!found) {
        terminal.Disconnect();
    }
    return found;
}

}  // namespace morvik

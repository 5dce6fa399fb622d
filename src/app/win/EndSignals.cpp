#include "app/EndSignals.h"

namespace morvik {

// A Windows GUI program has no console and gets no signals: logging off reaches it as the
// session-end messages, which Qt answers by closing its windows.
void OnEndSignals(std::function<void()>) {}

}  // namespace morvik

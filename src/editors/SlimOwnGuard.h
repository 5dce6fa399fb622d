#pragma once
// The main window's modal guard around modal work a settings window owns (its message boxes, its
// write session). The guard disables every settings window, and a disabled window disables the
// dialogs it owns along with it, so the owner stays enabled while the guard is on; the modal box
// or progress window keeps the operator out of it meanwhile.

#include <QWidget>

#include "app/IWindowHost.h"

namespace morvik {

class SlimOwnGuard {
  public:
    SlimOwnGuard(IWindowHost& host, QWidget& owner) : host_(host), owner_(owner) {
        host_.ModalGuard(true);
        wasEnabled_ = owner_.isEnabled();
        owner_.setEnabled(true);
    }
    ~SlimOwnGuard() {
        // Back to what the guard made of it, so that the guard's end enables it as it enables
        // every other window.
        owner_.setEnabled(wasEnabled_);
        host_.ModalGuard(false);
    }
    SlimOwnGuard(const SlimOwnGuard&) = delete;
    SlimOwnGuard& operator=(const SlimOwnGuard&) = delete;

  private:
    IWindowHost& host_;
    QWidget& owner_;
    bool wasEnabled_ = true;
};

}  // namespace morvik

#pragma once
// The main window's modal guard around modal work a settings window owns (its message boxes, its
// write session). The guard disables every settings window, and a disabled window disables the
// dialogs it owns along with it, so the owner stays enabled while the guard is on; the modal box
// or progress window keeps the operator out of it meanwhile.

#include <QWidget>

#include "app/CMVKAppDlg.h"

namespace morvik {

class SlimOwnGuard {
  public:
    SlimOwnGuard(CMVKAppDlg& main, QWidget& owner) : main_(main), owner_(owner) {
        main_.ModalGuard(true);
        wasEnabled_ = owner_.isEnabled();
        owner_.setEnabled(true);
    }
    ~SlimOwnGuard() {
        // Back to what the guard made of it, so that the guard's end enables it as it enables
        // every other window.
        owner_.setEnabled(wasEnabled_);
        main_.ModalGuard(false);
    }
    SlimOwnGuard(const SlimOwnGuard&) = delete;
    SlimOwnGuard& operator=(const SlimOwnGuard&) = delete;

  private:
    CMVKAppDlg& main_;
    QWidget& owner_;
    bool wasEnabled_ = true;
};

}  // namespace morvik

#pragma once
// The core's reporter on the desktop: message boxes owned by the main window inside the modal
// guard, the wait cursor, and the Exit command grayed while the port is open.
//
// The core may report from a worker thread (the port search's probe shows the first-session
// notice): such a call is handed to the user-interface thread, and the worker waits for the
// answer there. No widget is ever touched from a worker.

#include <QObject>
#include <atomic>
#include <functional>

#include "protocol/Reporter.h"

namespace morvik {

class CMVKAppDlg;

class CQtReporter : public QObject, public IReporter {
    Q_OBJECT

  public:
    explicit CQtReporter(CMVKAppDlg& window);
    ~CQtReporter() override;

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& caption, const std::string& text) override;
    void ShowInformation(const std::string& caption, const std::string& text) override;
    bool Ask(const std::string& caption, const std::string& question) override;
    void SetBusy(bool busy) override;
    void SetCanClose(bool canClose) override;

    // The run is ending (CEndOfRun): from now on nothing is shown and every question is answered
    // with Cancel, so that no session waits for an answer that nobody will give.
    void SetEnding() { ending_.store(true); }

  private:
    // Runs work on the user-interface thread, waiting for it when called from another thread.
    void OnUiThread(const std::function<void()>& work);

    CMVKAppDlg& window_;
    std::atomic<bool> ending_{false};
    bool busy_ = false;  // the core's wait cursor is on (touched on the UI thread only)
};

}  // namespace morvik

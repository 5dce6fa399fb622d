#pragma once
// The application: one copy per user, the main window for the whole run, and the end of the
// process when the main window closes.

#include "app/CMVKAppDlg.h"

namespace morvik {

class CSingleInstance;

class CMVKAppApp {
  public:
    // Runs the tool in the QApplication that exists; returns the process's exit code. A second
    // copy brings the first copy's window to the front and returns at once, without a window.
    int Run(const CMVKAppDlg::StartOptions& options);

    // A copy that runs without the single-instance guard says why, on standard error and in a
    // box over the main window that does not hold up the run.
    static void ReportNoGuard(const CSingleInstance& instance, CMVKAppDlg& window);
};

}  // namespace morvik

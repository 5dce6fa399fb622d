#pragma once
// How the core speaks to the person at the tool. The core never shows anything itself: the
// desktop tool implements this with message boxes (handed to the user-interface thread when an
// operation runs on a worker) and the command-line tool on standard error.
//
// Every text is code page 932, as everything in the core; the implementation converts it for its
// screen.

#include <string>

namespace morvik {

class IReporter {
  public:
    virtual ~IReporter() = default;

    // The error box: caption "エラー", warning icon.
    virtual void ShowError(const std::string& text) = 0;
    // A warning with its own caption (the first-communication notice).
    virtual void ShowWarning(const std::string& caption, const std::string& text) = 0;
    // An information box with its own caption ("時刻を合わせました" ...).
    virtual void ShowInformation(const std::string& caption, const std::string& text) = 0;
    // An OK / Cancel question with a question icon; true for OK.
    virtual bool Ask(const std::string& caption, const std::string& question) = 0;
    // The wait cursor while a session is being opened.
    virtual void SetBusy(bool busy) = 0;
    // The port is open between connect and disconnect, and the application must not be closed
    // meanwhile (the desktop tool grays its Exit command and Close box).
    virtual void SetCanClose(bool canClose) = 0;
};

// A reporter that shows nothing and answers every question with Cancel; for code that must not
// talk to anybody (a port search probing ports, tests of the exchange alone).
class CSilentReporter : public IReporter {
  public:
    void ShowError(const std::string&) override {}
    void ShowWarning(const std::string&, const std::string&) override {}
    void ShowInformation(const std::string&, const std::string&) override {}
    bool Ask(const std::string&, const std::string&) override { return false; }
    void SetBusy(bool) override {}
    void SetCanClose(bool) override {}
};

}  // namespace morvik

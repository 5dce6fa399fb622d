#pragma once
// A reporter that keeps what the core showed, so tests can check the messages of a session.

#include <mutex>
#include <string>
#include <vector>

#include "model/Cp932.h"
#include "protocol/Reporter.h"

namespace morvik::test {

class RecordingReporter : public IReporter {
  public:
    void ShowError(const std::string& text) override { Keep("error: " + text); }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        Keep(caption + ": " + text);
    }
    void ShowInformation(const std::string& caption, const std::string& text) override {
        Keep(caption + ": " + text);
    }
    bool Ask(const std::string&, const std::string&) override { return true; }
    void SetBusy(bool) override {}
    void SetCanClose(bool) override {}

    // The messages as UTF-8, in order.
    std::vector<std::string> Shown() const {
        std::lock_guard lock(mutex_);
        return shown_;
    }

  private:
    void Keep(const std::string& cp932) {
        std::lock_guard lock(mutex_);
        shown_.push_back(Cp932ToUtf8(cp932));
    }

    mutable std::mutex mutex_;
    std::vector<std::string> shown_;
};

}  // namespace morvik::test

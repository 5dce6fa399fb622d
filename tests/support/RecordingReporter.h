#pragma once
// A reporter that keeps what the core showed the operator, as UTF-8, for tests to look at: each
// kind of message on its own list, and every message in order (Shown). Sessions report from their
// own thread, so every access is locked. Questions are answered with answer (OK by default).

#include <mutex>
#include <string>
#include <vector>

#include "model/Cp932.h"
#include "protocol/Reporter.h"

namespace morvik::test {

class RecordingReporter : public IReporter {
  public:
    void ShowError(const std::string& text) override {
        std::lock_guard lock(mutex_);
        errors.push_back(Cp932ToUtf8(text));
        shown_.push_back("error: " + errors.back());
    }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        std::lock_guard lock(mutex_);
        warnings.push_back(Cp932ToUtf8(caption) + "|" + Cp932ToUtf8(text));
        shown_.push_back(Cp932ToUtf8(caption) + ": " + Cp932ToUtf8(text));
    }
    void ShowInformation(const std::string& caption, const std::string& text) override {
        std::lock_guard lock(mutex_);
        informations.push_back(Cp932ToUtf8(caption) + "|" + Cp932ToUtf8(text));
        shown_.push_back(Cp932ToUtf8(caption) + ": " + Cp932ToUtf8(text));
    }
    bool Ask(const std::string& caption, const std::string& question) override {
        std::lock_guard lock(mutex_);
        questions.push_back(Cp932ToUtf8(caption) + "|" + Cp932ToUtf8(question));
        return answer;
    }
    void SetBusy(bool on) override {
        std::lock_guard lock(mutex_);
        busy = on;
    }
    void SetCanClose(bool on) override {
        std::lock_guard lock(mutex_);
        canClose = on;
    }

    // Every message shown so far, in order: "error: text" or "caption: text".
    std::vector<std::string> Shown() const {
        std::lock_guard lock(mutex_);
        return shown_;
    }
    // The same as one text, a line each.
    std::string ShownText() const {
        std::string text;
        for (const std::string& line : Shown()) {
            text += line + "\n";
        }
        return text;
    }

    // Read these once the session that reports has ended (Join), or under no session at all.
    std::vector<std::string> errors;
    std::vector<std::string> warnings;      // "caption|text"
    std::vector<std::string> informations;  // "caption|text"
    std::vector<std::string> questions;     // "caption|question"
    bool answer = true;
    bool busy = false;
    bool canClose = true;

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> shown_;
};

}  // namespace morvik::test

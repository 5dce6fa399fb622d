#pragma once
// A reporter that keeps what the core told the person, for tests to look at.

#include <string>
#include <vector>

#include "model/Cp932.h"
#include "protocol/Reporter.h"

namespace morvik::test {

class RecordingReporter : public IReporter {
  public:
    void ShowError(const std::string& text) override { errors.push_back(Cp932ToUtf8(text)); }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        warnings.push_back(Cp932ToUtf8(caption) + "|" + Cp932ToUtf8(text));
    }
    void ShowInformation(const std::string& caption, const std::string& text) override {
        informations.push_back(Cp932ToUtf8(caption) + "|" + Cp932ToUtf8(text));
    }
    bool Ask(const std::string& caption, const std::string& question) override {
        questions.push_back(Cp932ToUtf8(caption) + "|" + Cp932ToUtf8(question));
        return answer;
    }
    void SetBusy(bool busy) override { this->busy = busy; }
    void SetCanClose(bool canClose) override { this->canClose = canClose; }

    std::vector<std::string> errors;  // UTF-8
    std::vector<std::string> warnings;
    std::vector<std::string> informations;
    std::vector<std::string> questions;
    bool answer = true;
    bool busy = false;
    bool canClose = true;
};

}  // namespace morvik::test

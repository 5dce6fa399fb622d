#include "cli/CliReporter.h"

#include <cctype>
#include <string>

#include "cli/CliCapture.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "res/StringIds.h"

namespace morvik::cli {

namespace {

// "y" and "yes" in any case answer OK; anything else, an empty line or the end of input, Cancel.
bool IsYes(std::string answer) {
    while (!answer.empty() && std::isspace(static_cast<unsigned char>(answer.back()))) {
        answer.pop_back();
    }
    for (char& c : answer) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return answer == "y" || answer == "yes";
}

}  // namespace

void CCliReporter::Show(const std::string& caption, const std::string& text) {
    if (capture_ != nullptr) {
        capture_->Message(FormatText(ids::kMessageFormat, ForScreen(caption), ForScreen(text)));
        return;
    }
    PrintError(FormatText(ids::kMessageFormat, ForScreen(caption), ForScreen(text)));
}

void CCliReporter::ShowError(const std::string& text) {
    ++errors_;
    Show(res::TextCp932(res::ids::kErrorCaption), text);
}

// Warnings of the core are notices (the Slim power-saving one); like information they stay on
// standard error (in JSON mode too) and are left out of a quiet run.
void CCliReporter::ShowWarning(const std::string& caption, const std::string& text) {
    if (capture_ != nullptr) {
        capture_->Notice(FormatText(ids::kMessageFormat, ForScreen(caption), ForScreen(text)));
        return;
    }
    PrintInfo(FormatText(ids::kMessageFormat, ForScreen(caption), ForScreen(text)));
}

void CCliReporter::ShowInformation(const std::string& caption, const std::string& text) {
    if (capture_ != nullptr) {
        capture_->Notice(FormatText(ids::kMessageFormat, ForScreen(caption), ForScreen(text)));
        return;
    }
    PrintInfo(FormatText(ids::kMessageFormat, ForScreen(caption), ForScreen(text)));
}

bool CCliReporter::Ask(const std::string& caption, const std::string& question) {
    if (capture_ != nullptr) {
        capture_->Message(FormatText(ids::kMessageFormat, ForScreen(caption), ForScreen(question)));
        return false;
    }
    const std::string prompt =
        FormatText(ids::kMessageFormat, ForScreen(caption), ForScreen(question)) +
        Text(ids::kAskSuffix);
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    std::string answer;
    int c;
    while ((c = std::fgetc(in_)) != EOF && c != '\n') {
        answer += static_cast<char>(c);
    }
    if (c == EOF) {
        std::fputc('\n', stderr);
    }
    return IsYes(answer);
}

}  // namespace morvik::cli

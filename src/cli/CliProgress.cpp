#include "cli/CliProgress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "cli/CliCapture.h"
#include "cli/CliOutput.h"

namespace morvik::cli {
namespace {

constexpr int kBarWidth = 30;

int Percent(std::int64_t position, std::int64_t maximum) {
    if (maximum <= 0) {
        return 0;
    }
    position = std::clamp<std::int64_t>(position, 0, maximum);
    return static_cast<int>(position * 100 / maximum);
}

}  // namespace

CliProgress::CliProgress(std::string label)
    : label_(std::move(label)), interactive_(::isatty(STDERR_FILENO) == 1) {}

CliProgress::~CliProgress() {
    Finish();
}

void CliProgress::Show(std::int64_t position, std::int64_t maximum) {
    if (CliCapture* capture = CurrentCapture()) {
        capture->Progress(label_, position, maximum);
        return;
    }
    if (Quiet()) {
        return;
    }
    const int percent = Percent(position, maximum);
    const int shown = interactive_ ? percent : percent / 10;
    if (shown == lastShown_) {
        return;
    }
    lastShown_ = shown;
    const int filled = percent * kBarWidth / 100;
    const std::string bar = std::string(static_cast<size_t>(filled), '#') +
                            std::string(static_cast<size_t>(kBarWidth - filled), '-');
    std::fprintf(stderr, "%s%s [%s] %3d%%%s", interactive_ ? "\r" : "", label_.c_str(), bar.c_str(),
                 percent, interactive_ ? "" : "\n");
    std::fflush(stderr);
    open_ = interactive_;
}

void CliProgress::Finish() {
    if (open_) {
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }
    open_ = false;
    lastShown_ = -1;
}

}  // namespace morvik::cli

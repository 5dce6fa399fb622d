#include "sessions/SessionWorker.h"

#include <algorithm>

namespace morvik {

CSessionWorker::~CSessionWorker() {
    Join();
}

void CSessionWorker::Start() {
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { Run(); });
    }
}

void CSessionWorker::RunHere() {
    Run();
}

void CSessionWorker::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CSessionWorker::SetPosition(int position) {
    position_.store(std::min(position, Maximum()), std::memory_order_release);
}

void CSessionWorker::Fail(const std::string& cp932Text) {
    if (!cp932Text.empty()) {
        errorText_ += cp932Text;
        errorText_ += "\r\n";
    }
    failed_.store(true, std::memory_order_release);
}

void CSessionWorker::FailWithWarnings() {
    warningsOnly_.store(true, std::memory_order_release);
    failed_.store(true, std::memory_order_release);
}

}  // namespace morvik

#include "link/PortSearch.h"

#include <cstdlib>

#include "link/PortMap.h"

namespace morvik {
namespace {

// The decimal number after the first three characters of a port name ("COM12" -> 12); 0 or
// less when there is none.
long PortNumberOf(const std::string& name) {
    if (name.size() <= 3) {
        return 0;
    }
    return std::strtol(name.c_str() + 3, nullptr, 10);
}

}  // namespace

PortSearch::PortSearch(Probe probe, PortList list)
    : probe_(std::move(probe)), list_(std::move(list)) {
    if (!list_) {
        list_ = [] { return PortMap().SystemPortList(); };
    }
}

PortSearch::~PortSearch() {
    Cancel();
    Wait();
}

void PortSearch::Start() {
    if (thread_.joinable() || finished_.load()) {
        return;
    }
    found_ = false;
    foundPort_ = 0;
    aborted_ = false;
    currentIndex_ = -1;
    thread_ = std::thread([this] { Run(); });
}

void PortSearch::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void PortSearch::Run() {
    auto list = list_();
    if (list) {
        const int count = static_cast<int>(list->size());
        portCount_ = count;
        for (int a = 0; a < count; ++a) {
            if (cancel_) {
                aborted_ = true;
                break;
            }
            long port = PortNumberOf((*list)[static_cast<size_t>(a)]);
            if (port <= 0) {
                // Later entries are not tried: the list is not one of COM names.
                currentIndex_ = count;
                break;
            }
            // A number beyond the last COM port cannot be opened; it counts as a silent port.
            if (port <= kLastComPort && probe_(static_cast<int>(port))) {
                foundPort_ = static_cast<int>(port);
                found_ = true;
                progress_ = count;
                currentIndex_ = count;
                break;
            }
            if (cancel_) {
                aborted_ = true;
                break;
            }
            progress_ = a + 1;
            currentIndex_ = a;
        }
    }
    finished_ = true;
}

}  // namespace morvik

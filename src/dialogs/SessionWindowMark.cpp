#include "dialogs/SessionWindowMark.h"

#include <algorithm>

namespace morvik {
namespace {

std::vector<QDialog*>& Marked() {
    static std::vector<QDialog*> windows;
    return windows;
}

}  // namespace

CSessionWindowMark::CSessionWindowMark(QDialog& window) : window_(window) {
    Marked().push_back(&window_);
}

CSessionWindowMark::~CSessionWindowMark() {
    std::erase(Marked(), &window_);
}

std::vector<QDialog*> CSessionWindowMark::Shown() {
    std::vector<QDialog*> shown;
    std::copy_if(Marked().begin(), Marked().end(), std::back_inserter(shown),
                 [](const QDialog* window) { return window->isVisible(); });
    return shown;
}

}  // namespace morvik

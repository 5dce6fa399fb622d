#include "cli/CliCapture.h"

namespace morvik::cli {
namespace {

thread_local CliCapture* installed = nullptr;

}  // namespace

CliCapture* CurrentCapture() {
    return installed;
}

ScopedCapture::ScopedCapture(CliCapture& capture) : previous_(installed) {
    installed = &capture;
}

ScopedCapture::~ScopedCapture() {
    installed = previous_;
}

}  // namespace morvik::cli

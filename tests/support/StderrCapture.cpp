#include "support/StderrCapture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace morvik::test {

StderrCapture::StderrCapture() {
    std::fflush(stderr);
    FILE* file = std::tmpfile();
    if (file == nullptr) {
        throw std::runtime_error("no temporary file for standard error");
    }
    file_ = ::dup(fileno(file));
    std::fclose(file);  // the file lives on through file_ (it has no name)
    saved_ = ::dup(STDERR_FILENO);
    ::dup2(file_, STDERR_FILENO);
}

StderrCapture::~StderrCapture() {
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
    ::close(file_);
}

std::string StderrCapture::Text() const {
    std::fflush(stderr);
    std::string text;
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(file_, buffer, sizeof buffer, at);
        if (n <= 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
    return text;
}

}  // namespace morvik::test

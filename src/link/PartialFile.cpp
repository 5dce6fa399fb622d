#include "link/PartialFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace morvik {
namespace {

constexpr int kNameAttempts = 100;

std::string TempName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

}  // namespace

PartialFile::~PartialFile() {
    Discard();
}

bool PartialFile::Create(const std::string& target) {
    Discard();
    if (target.empty() ||
        (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)) {
        return false;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string temp = TempName(target);
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            target_ = target;
            temp_ = temp;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool PartialFile::Append(std::string_view bytes) {
    if (fd_ < 0) {
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool PartialFile::Commit() {
    if (fd_ < 0) {
        return false;
    }
    bool ok = ::fsync(fd_) == 0;
    ok = (::close(fd_) == 0) && ok;
    fd_ = -1;
    if (ok && std::rename(temp_.c_str(), target_.c_str()) == 0) {
        temp_.clear();
        return true;
    }
    Discard();
    return false;
}

void PartialFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace morvik

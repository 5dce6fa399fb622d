#include "support/RawTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>

#include <unistd.h>
#include <algorithm>

namespace morvik::test {
namespace {

using Clock = std::chrono::steady_clock;

int MillisLeft(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

RawTerminal::RawTerminal(const std::string& device) {
    fd_ = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    termios t{};
    if (tcgetattr(fd_, &t) == 0) {
        cfmakeraw(&t);
        cfsetispeed(&t, B115200);
        cfsetospeed(&t, B115200);
        t.c_cflag |= CLOCAL | CREAD;
        tcsetattr(fd_, TCSANOW, &t);
    }
}

RawTerminal::~RawTerminal() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

void RawTerminal::Write(std::string_view bytes) {
    size_t done = 0;
    while (fd_ >= 0 && done < bytes.size()) {
        ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else {
            pollfd p{fd_, POLLOUT, 0};
            if (poll(&p, 1, 1000) <= 0) {
                return;
            }
        }
    }
}

void RawTerminal::SendLine(std::string_view line) {
    std::string bytes(line);
    bytes += '\r';
    Write(bytes);
}

std::string RawTerminal::ReadFor(std::chrono::milliseconds window) {
    std::string out;
    auto deadline = Clock::now() + window;
    while (fd_ >= 0) {
        int left = MillisLeft(deadline);
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, left) <= 0) {
            if (left == 0)
                break;
            continue;
        }
        char buf[1024];
        ssize_t n = read(fd_, buf, sizeof buf);
        if (n <= 0)
            break;
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::string RawTerminal::ReadUntil(std::string_view marker, std::chrono::milliseconds timeout) {
    std::string out;
    auto deadline = Clock::now() + timeout;
    while (fd_ >= 0 && out.find(marker) == std::string::npos) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, MillisLeft(deadline)) <= 0)
            break;
        char buf[1024];
        ssize_t n = read(fd_, buf, sizeof buf);
        if (n <= 0)
            break;
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::string RawTerminal::ReadExactly(size_t count, std::chrono::milliseconds timeout) {
    std::string out;
    auto deadline = Clock::now() + timeout;
    while (fd_ >= 0 && out.size() < count) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, MillisLeft(deadline)) <= 0)
            break;
        char buf[1024];
        ssize_t n = read(fd_, buf, std::min(sizeof buf, count - out.size()));
        if (n <= 0)
            break;
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::string RawTerminal::ReadUntilPrompt(std::chrono::milliseconds timeout) {
    // A reply is over when a prompt starts a line of its own: the echo and every reply line end
    // with CR LF, and a prompt character inside a value never follows a line end.
    auto complete = [](const std::string& text) {
        if (text.empty() || (text.back() != '%' && text.back() != '#')) {
            return false;
        }
        return text.size() == 1 || text[text.size() - 2] == '\n';
    };
    std::string out;
    auto deadline = Clock::now() + timeout;
    while (fd_ >= 0 && !complete(out)) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, MillisLeft(deadline)) <= 0)
            break;
        char buf[1024];
        ssize_t n = read(fd_, buf, sizeof buf);
        if (n <= 0)
            break;
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::string RawTerminal::Command(std::string_view line, std::chrono::milliseconds timeout) {
    SendLine(line);
    return ReadUntilPrompt(timeout);
}

bool RawTerminal::OpenSession(std::string_view openingLine) {
    Command("");
    std::string reply = Command(openingLine);
    return !reply.empty() && reply.back() == '%';
}

}  // namespace morvik::test

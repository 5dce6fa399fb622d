#include "sim/SimLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace morvik::sim {

SimLog::~SimLog() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool SimLog::Open(const std::string& path, std::string& error) {
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        error = "ログファイルを開けません: " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void SimLog::Write(std::string_view text) {
    if (fd_ < 0) {
        return;
    }
    // One write per entry, so a reader never sees half a line.
    std::string entry(text);
    entry += '\n';
    size_t done = 0;
    while (done < entry.size()) {
        ssize_t n = write(fd_, entry.data() + done, entry.size() - done);
        if (n <= 0 && errno != EINTR) {
            return;
        }
        done += n > 0 ? static_cast<size_t>(n) : 0;
    }
}

void SimLog::Line(std::string_view received) {
    Write(received);
}

void SimLog::Event(std::string_view text) {
    std::string entry = "[";
    entry += text;
    entry += "]";
    Write(entry);
}

void SimLog::TraceIn(std::string_view bytes) {
    Trace('<', bytes);
}
void SimLog::TraceOut(std::string_view bytes) {
    Trace('>', bytes);
}

void SimLog::Trace(char direction, std::string_view bytes) {
    if (!trace_ || bytes.empty()) {
        return;
    }
    auto now = std::chrono::steady_clock::now();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - last_).count();
    last_ = now;
    std::string text;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            text += c;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            text += buf;
        }
    }
    std::fprintf(stderr, "+%5lldms %c %s\n", static_cast<long long>(ms), direction, text.c_str());
}

}  // namespace morvik::sim

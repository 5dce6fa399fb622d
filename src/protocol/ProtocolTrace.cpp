#include "protocol/ProtocolTrace.h"

#include <cstdio>
#include <utility>

namespace morvik {

void CProtocolTrace::SetSink(Sink sink) {
    std::lock_guard<std::mutex> lock(mutex_);
    sink_ = std::move(sink);
    started_ = false;
}

bool CProtocolTrace::Enabled() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<bool>(sink_);
}

void CProtocolTrace::Sent(std::string_view bytes) {
    Emit('>', bytes, true);
}

void CProtocolTrace::Received(std::string_view bytes) {
    if (!bytes.empty()) {
        Emit('<', bytes, true);
    }
}

void CProtocolTrace::Note(std::string_view text) {
    Emit('#', text, false);
}

std::string CProtocolTrace::Escape(std::string_view bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c >= 0x20 && c < 0x7F) {
            out += ch;
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

void CProtocolTrace::Emit(char direction, std::string_view bytes, bool escape) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!sink_) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    const double ms =
        started_ ? std::chrono::duration<double, std::milli>(now - last_).count() : 0.0;
    last_ = now;
    started_ = true;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%+10.3f ms %c ", ms, direction);
    sink_(std::string(stamp) + (escape ? Escape(bytes) : std::string(bytes)));
}

CProtocolTrace::Sink StderrTraceSink(std::string prefix) {
    return [prefix = std::move(prefix)](const std::string& entry) {
        // One call per line: terminals traced on several threads at once never share a line.
        std::fputs((prefix + entry + "\n").c_str(), stderr);
    };
}

}  // namespace morvik

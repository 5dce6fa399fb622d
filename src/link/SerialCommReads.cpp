#include "link/SerialCommAPI.h"

#include <cstring>

#include "link/PortMap.h"

// The parts of the serial port that are the same on every platform: what a text or block read
// makes of single read calls, the stored time-outs and line settings, and opening COMn through
// the port map. Each platform's SerialCommAPI.cpp supplies the calls themselves (open, close,
// one read, one write, the queued count).

namespace morvik {
namespace {

constexpr uint32_t kMaxTimeout = 0xFFFFFFFF;  // MAXDWORD of the time-out model

// Time-outs of synchronous mode: reads return what is queued at once, writes may take 10 ms per
// byte plus 100 ms.
constexpr CommTimeouts kSynchronousTimeouts{kMaxTimeout, kMaxTimeout, 0, 10, 100};

}  // namespace

bool CSerialCommAPI::Open(int port) {
    lastOpenError_ = 0;
    if (IsOpen() || port < kFirstComPort || port > kLastComPort) {
        return false;
    }
    return OpenDevice(PortMap().LinkPath(port));
}

bool CSerialCommAPI::Send(const std::string& text) {
    return WriteBytes(text.data(), text.size());
}

std::string CSerialCommAPI::ReadText(size_t max) {
    std::string result;
    if (!IsOpen() || max == 0) {
        return result;
    }
    std::string chunk(max, '\0');
    for (;;) {
        long n = ReadCall(reinterpret_cast<uint8_t*>(chunk.data()), max);
        if (n < 0) {
            break;
        }
        result.append(chunk.data(), static_cast<size_t>(n));
        if (result.size() == max) {
            break;
        }
        if (QueuedBytes() == 0 || n == 0) {
            break;
        }
    }
    return result;
}

size_t CSerialCommAPI::ReadBlock(size_t count, uint8_t* buffer) {
    constexpr uint8_t kSoh = 0x01;
    constexpr uint8_t kEot = 0x04;
    if (count == 0) {
        return 0;
    }
    std::memset(buffer, 0, count);
    if (!IsOpen()) {
        return 0;
    }
    // A USB serial adapter hands a 132-byte block over in several pieces, so the pieces of one
    // block are gathered here, each read waiting up to the read constant for the next piece.
    size_t have = 0;
    for (;;) {
        long n = ReadCall(buffer + have, count - have);
        if (n <= 0) {
            return 0;  // time-out or failure: what arrived stays in the buffer
        }
        if (have == 0) {
            // A lone EOT (or CAN) is handed back as it is. Bytes in front of a block start are
            // line noise or the tail of a reply: drop them so the block lines up at offset 0.
            if (buffer[0] == kEot) {
                return 0;
            }
            const size_t got = static_cast<size_t>(n);
            auto* start = static_cast<uint8_t*>(std::memchr(buffer, kSoh, got));
            if (start == nullptr) {
                return 0;
            }
            const size_t kept = got - static_cast<size_t>(start - buffer);
            std::memmove(buffer, start, kept);
            std::memset(buffer + kept, 0, got - kept);
            have = kept;
        } else {
            have += static_cast<size_t>(n);
        }
        if (have == count) {
            return count;
        }
    }
}

void CSerialCommAPI::SetTimeouts(const CommTimeouts& timeouts) {
    timeouts_ = timeouts;
    ApplyTimeouts();
}

bool CSerialCommAPI::SetLineSettings(const LineSettings& settings) {
    lineSettings_ = settings;
    return ApplyLineSettings();
}

void CSerialCommAPI::SetMode(uint8_t mode) {
    mode_ = mode;
    if (mode == kModeSynchronous) {
        SetTimeouts(kSynchronousTimeouts);
    }
}

}  // namespace morvik

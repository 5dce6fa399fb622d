#include "link/SerialCommAPI.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "link/PosixSerial.h"

namespace morvik {
namespace {

constexpr uint32_t kMaxTimeout = 0xFFFFFFFF;  // MAXDWORD of the time-out model

using Clock = std::chrono::steady_clock;

// Time-out products (per-byte multiplier times a byte count) can exceed what a clock can add;
// nothing here is worth waiting longer than a day for.
constexpr uint64_t kLongestWaitMs = 24ull * 60 * 60 * 1000;

uint64_t Limited(uint64_t ms) {
    return ms < kLongestWaitMs ? ms : kLongestWaitMs;
}

int64_t MsLeft(Clock::time_point deadline) {
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : left;
}

long ReadNow(int fd, uint8_t* buffer, size_t max) {
    for (;;) {
        ssize_t n = ::read(fd, buffer, max);
        if (n >= 0) {
            return static_cast<long>(n);
        }
        if (errno == EINTR) {
            continue;
        }
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    }
}

}  // namespace

CSerialCommAPI::CSerialCommAPI() = default;

CSerialCommAPI::~CSerialCommAPI() {
    Close();
}

bool CSerialCommAPI::OpenDevice(const std::string& path) {
    lastOpenError_ = 0;
    if (IsOpen() || path.empty()) {
        return false;
    }
    // Non-blocking so that an adapter that holds DCD low cannot hang the open, and so that every
    // wait below goes through poll() with its time-out.
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastOpenError_ = errno;
        return false;
    }
    // The port is not shared: an advisory lock keeps out every program that asks for one (this
    // one, other instances, lrzsz, most terminal programs), and TIOCEXCL refuses further opens of
    // the tty to anyone but root.
    auto saved = std::make_unique<posix::SavedLine>();
    if (!::isatty(fd)) {
        lastOpenError_ = ENOTTY;
    } else if (posix::IsControllingTerminal(fd) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        lastOpenError_ = EBUSY;  // another program holds the port
    } else if (!posix::SaveLine(fd, *saved) || !posix::MakeRaw(fd)) {
        lastOpenError_ = errno != 0 ? errno : EIO;
    }
    if (lastOpenError_ != 0) {
        ::close(fd);
        return false;
    }
    savedLine_ = std::move(saved);
    (void)::ioctl(fd, TIOCEXCL);
    fd_ = fd;
    devicePath_ = path;
    ApplyTimeouts();
    // The line as the terminals need it (115200 8N1, RTS on, no flow control); the connect step
    // applies it again explicitly. A pty ignores the parts it has no hardware for.
    lineSettings_ = posix::ReadLineSettings(fd_, lineSettings_);
    LineSettings working = lineSettings_;
    working.baudRate = 115200;
    working.byteSize = 8;
    working.parity = 0;
    working.stopBits = 0;
    working.rtsOn = true;
    working.ctsFlow = false;
    working.xonXoffOut = false;
    working.xonXoffIn = false;
    working.parityCheck = false;
    if (posix::ApplyLineSettings(fd_, working)) {
        lineSettings_ = posix::ReadLineSettings(fd_, working);
    }
    SetMode(mode_);
    return true;
}

bool CSerialCommAPI::Close() {
    if (!IsOpen()) {
        return false;
    }
    // TIOCEXCL outlives this descriptor while someone else (a simulator) still holds the tty;
    // lift it so that the next connect can open the port again.
    (void)::ioctl(fd_, TIOCNXCL);
    if (savedLine_) {
        posix::RestoreLine(fd_, *savedLine_);
        savedLine_.reset();
    }
    int result = ::close(fd_);
    fd_ = -1;
    devicePath_.clear();
    return result == 0;
}

bool CSerialCommAPI::IsOpen() const {
    return fd_ >= 0;
}

bool CSerialCommAPI::WriteBytes(const void* bytes, size_t count) {
    if (!IsOpen()) {
        return false;
    }
    const uint64_t limitMs = Limited(static_cast<uint64_t>(timeouts_.writeTotalMultiplier) * count +
                                     timeouts_.writeTotalConstant);
    const bool limited = limitMs != 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limited ? limitMs : 0);
    const auto* p = static_cast<const uint8_t*>(bytes);
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(fd_, p + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            return false;
        }
        if (limited && MsLeft(deadline) == 0) {
            return false;  // a partial write counts as a failed write
        }
        if (posix::WaitWritable(fd_, limited ? MsLeft(deadline) : -1) < 0) {
            return false;
        }
    }
    return true;
}

long CSerialCommAPI::ReadCall(uint8_t* buffer, size_t max) {
    if (max == 0) {
        return 0;
    }
    const CommTimeouts& t = timeouts_;
    if (t.readInterval == kMaxTimeout && t.readTotalMultiplier == kMaxTimeout) {
        // Return what is queued; with nothing queued wait up to the constant for the first byte
        // and return as soon as something arrives.
        if (t.readTotalConstant != 0) {
            int ready =
                posix::WaitReadable(fd_, static_cast<int64_t>(Limited(t.readTotalConstant)));
            if (ready < 0) {
                return -1;
            }
            if (ready == 0) {
                return 0;
            }
        }
        return ReadNow(fd_, buffer, max);
    }
    if (t.readInterval == kMaxTimeout && t.readTotalMultiplier == 0 && t.readTotalConstant == 0) {
        return ReadNow(fd_, buffer, max);
    }
    // General model: the call ends when max bytes have arrived, when the total time-out
    // (multiplier per byte plus constant; 0 means none) has passed, or when the gap after a byte
    // exceeds the interval (0 means none).
    const uint64_t totalMs =
        Limited(static_cast<uint64_t>(t.readTotalMultiplier) * max + t.readTotalConstant);
    const auto deadline = Clock::now() + std::chrono::milliseconds(totalMs);
    size_t got = 0;
    while (got < max) {
        int64_t wait = -1;
        if (totalMs != 0) {
            wait = MsLeft(deadline);
        }
        if (got > 0 && t.readInterval != 0 && (wait < 0 || t.readInterval < wait)) {
            wait = t.readInterval;
        }
        int ready = posix::WaitReadable(fd_, wait);
        if (ready < 0) {
            return got > 0 ? static_cast<long>(got) : -1;
        }
        if (ready == 0) {
            break;
        }
        long n = ReadNow(fd_, buffer + got, max - got);
        if (n < 0) {
            return got > 0 ? static_cast<long>(got) : -1;
        }
        got += static_cast<size_t>(n);
    }
    return static_cast<long>(got);
}

size_t CSerialCommAPI::QueuedBytes() const {
    if (!IsOpen()) {
        return 0;
    }
    int queued = 0;
    if (::ioctl(fd_, FIONREAD, &queued) != 0 || queued < 0) {
        return 0;
    }
    return static_cast<size_t>(queued);
}

void CSerialCommAPI::DiscardInput() {
    if (IsOpen()) {
        (void)::tcflush(fd_, TCIFLUSH);
    }
}

LineSettings CSerialCommAPI::ReadLineSettings() {
    if (IsOpen()) {
        lineSettings_ = posix::ReadLineSettings(fd_, lineSettings_);
    }
    return lineSettings_;
}

bool CSerialCommAPI::ApplyTimeouts() {
    // Every read and write consults the stored values, so there is nothing to hand to the
    // driver; the port only has to be open for the values to matter.
    return IsOpen();
}

bool CSerialCommAPI::ApplyLineSettings() {
    if (!IsOpen()) {
        return false;
    }
    return posix::ApplyLineSettings(fd_, lineSettings_);
}

}  // namespace morvik

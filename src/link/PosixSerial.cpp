#include "link/PosixSerial.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace morvik::posix {
namespace {

struct SpeedEntry {
    uint32_t baud;
    speed_t code;
};

constexpr SpeedEntry kSpeeds[] = {
    {1200, B1200},     {2400, B2400},     {4800, B4800},     {9600, B9600},
    {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
    {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool SpeedCode(uint32_t baud, speed_t* code) {
    for (const auto& entry : kSpeeds) {
        if (entry.baud == baud) {
            *code = entry.code;
            return true;
        }
    }
    return false;
}

uint32_t BaudOf(speed_t code, uint32_t fallback) {
    for (const auto& entry : kSpeeds) {
        if (entry.code == code) {
            return entry.baud;
        }
    }
    return fallback;
}

// Up to half a second for the last bytes to leave before the old line settings come back.
constexpr int kDrainPolls = 50;
constexpr std::chrono::milliseconds kDrainPoll{10};

int WaitFor(int fd, short events, int64_t timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        int wait = -1;
        if (timeoutMs >= 0) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                    .count();
            wait = left < 0 ? 0 : static_cast<int>(left);
        }
        pollfd p{fd, events, 0};
        int r = ::poll(&p, 1, wait);
        if (r < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (r == 0) {
            return 0;
        }
        if (p.revents & events) {
            return 1;
        }
        // POLLHUP/POLLERR/POLLNVAL without data: the device went away (adapter unplugged, the
        // other end of a pty closed).
        return -1;
    }
}

}  // namespace

bool SaveLine(int fd, SavedLine& saved) {
    if (::tcgetattr(fd, &saved.settings) != 0) {
        return false;
    }
    saved.haveModemLines = ::ioctl(fd, TIOCMGET, &saved.modemLines) == 0;
    return true;
}

void RestoreLine(int fd, const SavedLine& saved) {
    // The last line written (a "reboot s") must leave at the working speed: wait a little for
    // the output queue to empty, never for ever (tcdrain would wait on a stalled flow control).
    for (int wait = 0; wait < kDrainPolls; ++wait) {
        int queued = 0;
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0 || queued <= 0) {
            break;
        }
        std::this_thread::sleep_for(kDrainPoll);
    }
    (void)::tcsetattr(fd, TCSANOW, &saved.settings);
    if (saved.haveModemLines) {
        int rts = TIOCM_RTS;
        (void)::ioctl(fd, (saved.modemLines & TIOCM_RTS) != 0 ? TIOCMBIS : TIOCMBIC, &rts);
    }
}

bool IsControllingTerminal(int fd) {
    // The session of a terminal is told only to a process whose controlling terminal it is.
    const pid_t session = ::tcgetsid(fd);
    return session != -1 && session == ::getsid(0);
}

bool MakeRaw(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {
        return false;
    }
    ::cfmakeraw(&t);
    t.c_cflag |= CREAD | CLOCAL;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

LineSettings ReadLineSettings(int fd, const LineSettings& base) {
    LineSettings s = base;
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {
        return s;
    }
    s.baudRate = BaudOf(::cfgetospeed(&t), base.baudRate);
    switch (t.c_cflag & CSIZE) {
        case CS5:
            s.byteSize = 5;
            break;
        case CS6:
            s.byteSize = 6;
            break;
        case CS7:
            s.byteSize = 7;
            break;
        default:
            s.byteSize = 8;
            break;
    }
    s.parity = (t.c_cflag & PARENB) ? ((t.c_cflag & PARODD) ? 1 : 2) : 0;
    s.stopBits = (t.c_cflag & CSTOPB) ? 2 : 0;
    s.binary = true;
    s.ctsFlow = (t.c_cflag & CRTSCTS) != 0;
    s.xonXoffOut = (t.c_iflag & IXON) != 0;
    s.xonXoffIn = (t.c_iflag & IXOFF) != 0;
    s.parityCheck = (t.c_iflag & INPCK) != 0;
    int lines = 0;
    if (::ioctl(fd, TIOCMGET, &lines) == 0) {
        s.rtsOn = (lines & TIOCM_RTS) != 0;
    }
    return s;
}

bool ApplyLineSettings(int fd, const LineSettings& s) {
    speed_t speed;
    if (!SpeedCode(s.baudRate, &speed)) {
        return false;
    }
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {
        return false;
    }
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    switch (s.byteSize) {
        case 5:
            t.c_cflag |= CS5;
            break;
        case 6:
            t.c_cflag |= CS6;
            break;
        case 7:
            t.c_cflag |= CS7;
            break;
        case 8:
            t.c_cflag |= CS8;
            break;
        default:
            return false;
    }
    if (s.parity == 1) {
        t.c_cflag |= PARENB | PARODD;
    } else if (s.parity == 2) {
        t.c_cflag |= PARENB;
    } else if (s.parity != 0) {
        return false;  // mark and space parity have no POSIX equivalent
    }
    if (s.stopBits == 2) {
        t.c_cflag |= CSTOPB;
    }
    if (s.ctsFlow) {
        t.c_cflag |= CRTSCTS;
    }
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    if (s.xonXoffOut) {
        t.c_iflag |= IXON;
    }
    if (s.xonXoffIn) {
        t.c_iflag |= IXOFF;
    }
    if (s.parityCheck) {
        t.c_iflag |= INPCK;
    }
    ::cfsetispeed(&t, speed);
    ::cfsetospeed(&t, speed);
    if (::tcsetattr(fd, TCSANOW, &t) != 0) {
        return false;
    }
    // A pty has no modem lines and refuses this; a real adapter raises RTS.
    int rts = TIOCM_RTS;
    (void)::ioctl(fd, s.rtsOn ? TIOCMBIS : TIOCMBIC, &rts);
    return true;
}

int WaitReadable(int fd, int64_t timeoutMs) {
    return WaitFor(fd, POLLIN, timeoutMs);
}

int WaitWritable(int fd, int64_t timeoutMs) {
    return WaitFor(fd, POLLOUT, timeoutMs);
}

}  // namespace morvik::posix

#pragma once
// A pseudo-terminal made by the test: the port under test opens the slave by its path, the test
// plays the terminal on the master.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>

namespace morvik::test {

class PtyPair {
  public:
    PtyPair() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            throw std::runtime_error("posix_openpt failed");
        }
        slavePath_ = ::ptsname(master_);
        termios t{};
        ::tcgetattr(master_, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(master_, TCSANOW, &t);
        // Hold the slave open ourselves, as a simulator does, so that the port closing its side
        // never makes the master see a hang-up.
        holder_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~PtyPair() {
        if (holder_ >= 0) {
            ::close(holder_);
        }
        ::close(master_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    int Master() const { return master_; }

    void Write(const std::string& bytes) const {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
            if (n <= 0) {
                throw std::runtime_error("write to pty master failed");
            }
            done += static_cast<size_t>(n);
        }
    }

    // Writes bytes in pieces of the given size with a pause after each, as a USB adapter
    // delivers them.
    void WriteInPieces(const std::string& bytes, size_t piece, int pauseMs) const {
        for (size_t at = 0; at < bytes.size(); at += piece) {
            Write(bytes.substr(at, piece));
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        }
    }

    // Everything that arrives within waitMs (the wait restarts with every byte).
    std::string Read(int waitMs) const {
        std::string out;
        for (;;) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, waitMs) <= 0 || !(p.revents & POLLIN)) {
                return out;
            }
            char buf[512];
            ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0) {
                return out;
            }
            out.append(buf, static_cast<size_t>(n));
        }
    }

    // Exactly count bytes, or fewer when nothing arrives for waitMs.
    std::string ReadExactly(size_t count, int waitMs) const {
        std::string out;
        while (out.size() < count) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, waitMs) <= 0 || !(p.revents & POLLIN)) {
                break;
            }
            char buf[512];
            ssize_t n = ::read(master_, buf, std::min(sizeof buf, count - out.size()));
            if (n <= 0) {
                break;
            }
            out.append(buf, static_cast<size_t>(n));
        }
        return out;
    }

  private:
    int master_ = -1;
    int holder_ = -1;
    std::string slavePath_;
};

}  // namespace morvik::test

// Prints how fast the block senders and the receiver move data over a pseudo-terminal when the
// other end answers at once. The figures show the cost of the protocol's own pacing: the
// sender's quiet-line wait before the first block and the receiver's pause between blocks.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "link/BlockTransfer.h"
#include "link/SerialCommAPI.h"
#include "link/XmodemBlock.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Pty {
    int master = -1;
    int holder = -1;
    std::string slave;
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        slave = ::ptsname(master);
        termios t{};
        ::tcgetattr(master, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(master, TCSANOW, &t);
        holder = ::open(slave.c_str(), O_RDWR | O_NOCTTY);
    }
    ~Pty() {
        ::close(holder);
        ::close(master);
    }
    bool ReadExactly(uint8_t* out, size_t count, int waitMs) const {
        size_t have = 0;
        while (have < count) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, waitMs) <= 0) {
                return false;
            }
            ssize_t n = ::read(master, out + have, count - have);
            if (n <= 0) {
                return false;
            }
            have += static_cast<size_t>(n);
        }
        return true;
    }
    void WriteByte(uint8_t b) const { (void)!::write(master, &b, 1); }
};

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void BenchSend(size_t size) {
    Pty pty;
    morvik::CSerialCommAPI port;
    if (!port.OpenDevice(pty.slave)) {
        std::printf("cannot open %s\n", pty.slave.c_str());
        return;
    }
    std::thread peer([&] {
        uint8_t block[morvik::xmodem::kBlockSize];
        for (;;) {
            if (!pty.ReadExactly(block, 1, 5000) || block[0] == morvik::xmodem::kEot) {
                return;
            }
            pty.ReadExactly(block + 1, morvik::xmodem::kBlockSize - 1, 1000);
            pty.WriteByte(morvik::xmodem::kAck);
        }
    });
    std::vector<uint8_t> data(size, 0x5A);
    auto start = Clock::now();
    bool ok = morvik::SendMemory(port, data.data(), data.size());
    double s = Seconds(start);
    peer.join();
    std::printf("send memory %7zu bytes: %s in %.3f s (%.1f KB/s, includes the 1 s quiet wait)\n",
                size, ok ? "ok" : "FAILED", s, size / 1024.0 / s);
}

void BenchReceive(size_t blocks) {
    Pty pty;
    morvik::CSerialCommAPI port;
    if (!port.OpenDevice(pty.slave)) {
        return;
    }
    std::thread peer([&] {
        uint8_t answer = 0;
        pty.ReadExactly(&answer, 1, 5000);  // the receiver's first NAK
        std::vector<uint8_t> data(morvik::xmodem::kDataSize, 0x33);
        uint8_t block[morvik::xmodem::kBlockSize];
        for (size_t k = 1; k <= blocks; ++k) {
            morvik::xmodem::BuildBlock(static_cast<uint8_t>(k), data.data(), data.size(), block);
            (void)!::write(pty.master, block, sizeof block);
            if (!pty.ReadExactly(&answer, 1, 5000)) {
                return;
            }
        }
        pty.WriteByte(morvik::xmodem::kEot);
        pty.ReadExactly(&answer, 1, 5000);
    });
    char path[] = "/tmp/morvik-bench-XXXXXX";
    int fd = ::mkstemp(path);
    ::close(fd);
    auto start = Clock::now();
    int result = morvik::ReceiveFile(port, path, 0);
    double s = Seconds(start);
    peer.join();
    ::unlink(path);
    std::printf("receive %5zu blocks: result %d in %.3f s (%.1f ms per block)\n", blocks, result, s,
                s * 1000.0 / static_cast<double>(blocks));
}

}  // namespace

int main() {
    BenchSend(16 * 1024);
    BenchSend(256 * 1024);
    BenchReceive(50);
    BenchReceive(250);
    return 0;
}

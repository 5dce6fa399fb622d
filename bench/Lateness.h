#pragma once
// How late this machine is, measured while a benchmark runs: a thread sleeps 25 ms again and again
// and keeps how much longer each sleep took, and sends one byte around a pseudo-terminal (out
// through one side, echoed back by a second thread, in again) and keeps how long that took. On a
// loaded machine the tool's own sleeps (the 100 ms after every command line) end late by about
// the first figure, and every byte between the tool and the simulator, which also travels through
// a pseudo-terminal, waits about half the second; the tool's own time of a session is to be read
// beside them.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace morvik::bench {

class Lateness {
  public:
    struct Figures {
        double sleepLate = 0;  // milliseconds a 25 ms sleep overran (mean)
        double roundTrip = 0;  // milliseconds of a byte there and back through a pty (mean)
    };

    Lateness() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        }
        if (slave_ >= 0) {
            termios t{};
            ::tcgetattr(slave_, &t);
            ::cfmakeraw(&t);
            ::tcsetattr(slave_, TCSANOW, &t);
        }
        echo_ = std::thread([this] { Echo(); });
        probe_ = std::thread([this] { Probe(); });
    }
    ~Lateness() {
        stop_.store(true);
        probe_.join();
        echo_.join();
        ::close(slave_);
        ::close(master_);
    }
    Lateness(const Lateness&) = delete;
    Lateness& operator=(const Lateness&) = delete;

    // The processor time the measuring threads have used so far, which a benchmark takes off the
    // process's own.
    double CpuSeconds() const { return (echoCpu_.load() + probeCpu_.load()) / 1e9; }

    // The means of what was measured since the last call: sessions add delays up, so the rare
    // long ones count.
    Figures Take() {
        std::lock_guard<std::mutex> lock(mutex_);
        Figures f{Mean(sleeps_), Mean(trips_)};
        sleeps_.clear();
        trips_.clear();
        return f;
    }

  private:
    using Clock = std::chrono::steady_clock;

    static double Ms(Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    }

    static double Mean(const std::vector<double>& v) {
        double sum = 0;
        for (double x : v) {
            sum += x;
        }
        return v.empty() ? 0 : sum / static_cast<double>(v.size());
    }

    static long long ThreadCpuNs() {
        timespec t{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
    }

    static bool ReadOne(int fd, char& byte) {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, 100) == 1 && ::read(fd, &byte, 1) == 1;
    }

    void Echo() {
        char byte = 0;
        while (!stop_.load()) {
            if (ReadOne(master_, byte)) {
                (void)!::write(master_, &byte, 1);
            }
            echoCpu_.store(ThreadCpuNs());
        }
    }

    void Probe() {
        constexpr auto kSleep = std::chrono::milliseconds(25);
        while (!stop_.load()) {
            const auto start = Clock::now();
            std::this_thread::sleep_for(kSleep);
            const double late = Ms(Clock::now() - start - kSleep);
            const auto sent = Clock::now();
            char byte = 'x';
            const bool back = ::write(slave_, &byte, 1) == 1 && ReadOne(slave_, byte);
            const double trip = Ms(Clock::now() - sent);
            probeCpu_.store(ThreadCpuNs());
            std::lock_guard<std::mutex> lock(mutex_);
            sleeps_.push_back(late);
            if (back) {
                trips_.push_back(trip);
            }
        }
    }

    int master_ = -1;
    int slave_ = -1;
    std::atomic<bool> stop_{false};
    std::atomic<long long> echoCpu_{0};
    std::atomic<long long> probeCpu_{0};
    std::mutex mutex_;
    std::vector<double> sleeps_;
    std::vector<double> trips_;
    std::thread echo_;
    std::thread probe_;
};

}  // namespace morvik::bench

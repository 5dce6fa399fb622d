#pragma once
// The slow way to the terminal's port: try every port of the system's serial port list until a
// terminal answers. Runs on a thread of its own; the window that shows it polls the values below
// with a timer and may only call Cancel. The probe (connect quietly, probe session, leave the
// port open on success and close it on failure) is the caller's, so that this routine knows
// nothing of the command protocol.

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace morvik {

class PortSearch {
  public:
    // True when a terminal answered on the port; the port is then left open.
    using Probe = std::function<bool(int port)>;
    // The serial port list as names ("COM3"); nullopt when it cannot be read.
    using PortList = std::function<std::optional<std::vector<std::string>>()>;

    // The port count reads this until the list has been read.
    static constexpr int kInitialPortCount = 10;

    // Without a list, the system's serial port list of the default port map is searched.
    explicit PortSearch(Probe probe, PortList list = {});
    ~PortSearch();
    PortSearch(const PortSearch&) = delete;
    PortSearch& operator=(const PortSearch&) = delete;

    // Clears the flags and starts the thread. A search runs once per object.
    void Start();
    // Asks the thread to stop; it does so before the next port (a probe under way ends early
    // when it watches CancelFlag).
    void Cancel() { cancel_.store(true); }
    // Waits for the thread to end.
    void Wait();

    int PortCount() const { return portCount_.load(); }
    // Index of the last port tried: -1 before the first, the port count once the search ended
    // with a find or at an entry that is not a COM name.
    int CurrentIndex() const { return currentIndex_.load(); }
    // Progress position in 0..PortCount().
    int Progress() const { return progress_.load(); }
    bool Found() const { return found_.load(); }
    int FoundPort() const { return foundPort_.load(); }
    bool CancelRequested() const { return cancel_.load(); }
    // The request itself, for a probe that must stop its waits when it is made.
    const std::atomic<bool>& CancelFlag() const { return cancel_; }
    // The thread stopped because of Cancel.
    bool Aborted() const { return aborted_.load(); }
    // The thread has ended, for whatever reason (also when the list could not be read, where
    // the index never moves: the window closes on this as a search without result).
    bool Finished() const { return finished_.load(); }

  private:
    void Run();

    Probe probe_;
    PortList list_;
    std::thread thread_;
    std::atomic<int> portCount_{kInitialPortCount};
    std::atomic<int> currentIndex_{-1};
    std::atomic<int> progress_{0};
    std::atomic<bool> found_{false};
    std::atomic<int> foundPort_{0};
    std::atomic<bool> cancel_{false};
    std::atomic<bool> aborted_{false};
    std::atomic<bool> finished_{false};
};

}  // namespace morvik

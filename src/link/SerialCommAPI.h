#pragma once
// The one object through which every byte to and from a terminal passes. On POSIX it drives a
// termios device (a USB serial adapter or a pseudo-terminal); on Windows a COM port handle.
// Time-out semantics follow the Windows COMMTIMEOUTS model the terminals were designed around: with
// interval and multiplier at 0xFFFFFFFF a read returns what is queued at once, or waits up to the
// read constant for the first byte.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/SerialComm.h"

namespace morvik {

namespace posix {
struct SavedLine;
}

// The five time-out values, in milliseconds, in the order the port applies them.
struct CommTimeouts {
    uint32_t readInterval = 0;
    uint32_t readTotalMultiplier = 0;
    uint32_t readTotalConstant = 0;
    uint32_t writeTotalMultiplier = 0;
    uint32_t writeTotalConstant = 0;
    bool operator==(const CommTimeouts&) const = default;
};

// Line settings (the platform's device-control block, reduced to what a POSIX port has).
struct LineSettings {
    uint32_t baudRate = 115200;
    uint8_t byteSize = 8;
    uint8_t parity = 0;    // 0 none, 1 odd, 2 even
    uint8_t stopBits = 0;  // 0 one, 2 two
    bool binary = true;
    bool rtsOn = true;     // RTS held on (RTS control "enable")
    bool ctsFlow = false;  // CTS output flow control
    bool dsrFlow = false;  // DSR output flow control
    bool dsrSensitivity = false;
    bool xonXoffOut = false;
    bool xonXoffIn = false;
    bool parityCheck = false;
    bool abortOnError = false;
    bool operator==(const LineSettings&) const = default;
};

class CSerialCommAPI : public CSerialComm {
  public:
    static constexpr uint8_t kModeSynchronous = 1;

    CSerialCommAPI();
    ~CSerialCommAPI() override;
    CSerialCommAPI(const CSerialCommAPI&) = delete;
    CSerialCommAPI& operator=(const CSerialCommAPI&) = delete;

    // Opens COM port 1..256 through the port map (a COM number names a device). Fails when this
    // object already has an open port or the device cannot be opened exclusively.
    bool Open(int port) override;
    // Opens a device by its path (a pseudo-terminal, /dev/ttyUSB0 ...), with the same rules.
    // The program's own controlling terminal is refused. Close puts back the line settings the
    // device had before.
    bool OpenDevice(const std::string& path);
    bool Close() override;
    bool IsOpen() const;
    const std::string& DevicePath() const { return devicePath_; }
    // The errno of the last open that failed, 0 after an open that succeeded: ENOENT no such
    // device, EACCES or EPERM the user may not use it, EBUSY another program holds it, ENOTTY
    // it is not a serial port; anything else as the system gave it.
    int LastOpenError() const { return lastOpenError_; }

    // Writes the whole text in one write call; true only if every byte was written.
    bool Send(const std::string& text) override;
    // One write call; true only if exactly count bytes were written.
    bool WriteBytes(const void* bytes, size_t count);

    std::string Receive() override { return ReadText(1024); }
    std::string ReadText(size_t max);
    // Gathers one block of count bytes from as many pieces as the line delivers, each piece
    // awaited up to the read constant. Returns count when a whole block arrived, 0 otherwise;
    // on 0 the buffer holds what arrived (a lone EOT stands in its first byte). Bytes in front
    // of the block's SOH are dropped.
    size_t ReadBlock(size_t count, uint8_t* buffer);
    // Number of bytes queued for reading.
    size_t QueuedBytes() const;
    // Throws away whatever has arrived and not been read yet.
    void DiscardInput();

    void SetTimeouts(const CommTimeouts& timeouts);
    CommTimeouts GetTimeouts() const { return timeouts_; }
    bool SetLineSettings(const LineSettings& settings);
    LineSettings ReadLineSettings();
    void SetMode(uint8_t mode);
    uint8_t Mode() const { return mode_; }

    // Counters of the block transfers; progress windows poll them from another thread.
    int32_t SentBytes() const { return sentBytes_.load(); }
    void ZeroSentBytes() { sentBytes_.store(0); }
    void AddSentBytes(int32_t n) { sentBytes_.fetch_add(n); }
    int32_t ReceivedBytes() const { return receivedBytes_.load(); }
    void ZeroReceivedBytes() { receivedBytes_.store(0); }
    void AddReceivedBytes(int32_t n) { receivedBytes_.fetch_add(n); }
    void SetReceiveCancel() { receiveCancel_.store(true); }
    void ClearReceiveCancel() { receiveCancel_.store(false); }
    bool ReceiveCancelled() const { return receiveCancel_.load(); }

  private:
    bool ApplyTimeouts();
    bool ApplyLineSettings();
    // One read call under the stored time-outs: the bytes read, or -1 when the call fails.
    long ReadCall(uint8_t* buffer, size_t max);

    // The open port in the form each platform's SerialCommAPI.cpp needs.
#ifdef _WIN32
    void* handle_;  // INVALID_HANDLE_VALUE when closed
#else
    int fd_ = -1;
    std::unique_ptr<posix::SavedLine> savedLine_;
#endif
    std::string devicePath_;
    int lastOpenError_ = 0;
    CommTimeouts timeouts_;
    LineSettings lineSettings_;
    uint8_t mode_ = kModeSynchronous;
    std::atomic<int32_t> sentBytes_{0};
    std::atomic<int32_t> receivedBytes_{0};
    std::atomic<bool> receiveCancel_{false};
};

}  // namespace morvik

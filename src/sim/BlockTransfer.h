#pragma once
// The terminal's two sides of the XMODEM-checksum block transfer: the receiver of sound images
// and firmware, and the sender of the detection log. Both are fed the bytes that arrive and
// return the bytes to answer; pacing (NAK repetition, time-outs) is the Terminal's.

#include <chrono>
#include <string>
#include <string_view>

#include "sim/Faults.h"

namespace morvik::sim {

inline constexpr char kSoh = 0x01;
inline constexpr char kEot = 0x04;
inline constexpr char kAck = 0x06;
inline constexpr char kNak = 0x15;
inline constexpr char kCan = 0x18;
inline constexpr size_t kBlockSize = 132;
inline constexpr size_t kBlockData = 128;

class BlockReceiver {
  public:
    enum class Status { Waiting, Receiving, Done, Cancelled, Interrupted };
    using Clock = std::chrono::steady_clock;

    explicit BlockReceiver(Faults& faults) : faults_(faults) {}

    // Handles one byte. purge is set when the rest of the bytes that arrived together must be
    // dropped (a damaged block: its tail must not be taken for the next block).
    std::string Feed(char byte, Clock::time_point now, bool& purge);
    // A block that stopped arriving half-way is dropped and answered with NAK.
    std::string OnTimer(Clock::time_point now);
    bool PartialBlockPending() const { return !block_.empty(); }
    Clock::time_point PartialBlockDeadline() const;

    Status status() const { return status_; }
    bool Started() const { return blocks_ > 0; }
    int Blocks() const { return blocks_; }
    const std::string& Data() const { return data_; }
    // Before the first block, text ended by CR means the other side gave up and talks again.
    const std::string& InterruptingLine() const { return text_; }

  private:
    std::string Judge(bool& purge);

    Faults& faults_;
    Status status_ = Status::Waiting;
    std::string block_;
    std::string data_;
    std::string text_;
    int blocks_ = 0;
    unsigned char expected_ = 1;
    Clock::time_point lastByte_{};
};

class BlockSender {
  public:
    enum class Status { WaitingForNak, Sending, Ending, Done, Cancelled, Failed };

    // data: whole 128-byte blocks.
    BlockSender(std::string data, Faults& faults) : data_(std::move(data)), faults_(faults) {}

    std::string Feed(char byte);
    Status status() const { return status_; }
    int BlocksAcknowledged() const { return acked_; }

  private:
    std::string Block(int index);  // 0-based
    std::string SendCurrent();

    std::string data_;
    Faults& faults_;
    Status status_ = Status::WaitingForNak;
    int current_ = 0;  // 0-based index of the block being sent
    int attempts_ = 0;
    int acked_ = 0;
};

}  // namespace morvik::sim

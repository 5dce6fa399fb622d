#include "sim/BlockTransfer.h"

namespace morvik::sim {
namespace {

// A block whose bytes stop arriving for this long is given up and answered with NAK.
constexpr auto kPartialBlockTimeout = std::chrono::milliseconds(1000);
// The sender sends one block (or the EOT) at most this many times.
constexpr int kMaxAttempts = 10;

}  // namespace

std::string BlockReceiver::Feed(char byte, Clock::time_point now, bool& purge) {
    purge = false;
    if (status_ == Status::Done || status_ == Status::Cancelled || status_ == Status::Interrupted) {
        return {};
    }
    lastByte_ = now;
    if (!block_.empty()) {
        block_ += byte;
        return block_.size() == kBlockSize ? Judge(purge) : std::string();
    }
    switch (byte) {
        case kSoh:
            block_ += byte;
            return {};
        case kEot:
            status_ = Status::Done;
            return std::string(1, kAck);
        case kCan:
            status_ = Status::Cancelled;
            return {};
        default:
            break;
    }
    if (!Started()) {
        // Stray bytes before the first block: the filler of the update trigger, or a command
        // line from a tool that has given up waiting.
        if (byte == '\r') {
            status_ = Status::Interrupted;
        } else if (static_cast<unsigned char>(byte) >= 0x20) {
            text_ += byte;
        }
    }
    return {};
}

std::string BlockReceiver::Judge(bool& purge) {
    auto number = static_cast<unsigned char>(block_[1]);
    auto complement = static_cast<unsigned char>(block_[2]);
    unsigned sum = 0;
    for (size_t i = 3; i < 3 + kBlockData; ++i) {
        sum += static_cast<unsigned char>(block_[i]);
    }
    bool sound = (number ^ complement) == 0xFF &&
                 (sum & 0xFF) == static_cast<unsigned char>(block_[kBlockSize - 1]);
    std::string reply;
    if (sound && number == expected_) {
        data_.append(block_, 3, kBlockData);
        ++blocks_;
        ++expected_;
        status_ = Status::Receiving;
        if (!faults_.TakeDropAck(blocks_)) {
            reply = std::string(1, kAck);
        }
    } else if (sound && Started() && number == static_cast<unsigned char>(expected_ - 1)) {
        reply = std::string(1, kAck);  // the sender missed our ACK and repeated the block
    } else {
        reply = std::string(1, kNak);
        purge = true;
    }
    block_.clear();
    return reply;
}

std::string BlockReceiver::OnTimer(Clock::time_point now) {
    if (!block_.empty() && now >= PartialBlockDeadline()) {
        block_.clear();
        return std::string(1, kNak);
    }
    return {};
}

BlockReceiver::Clock::time_point BlockReceiver::PartialBlockDeadline() const {
    return lastByte_ + kPartialBlockTimeout;
}

std::string BlockSender::Block(int index) {
    std::string block;
    block += kSoh;
    auto number = static_cast<unsigned char>((index + 1) & 0xFF);
    block += static_cast<char>(number);
    block += static_cast<char>(0xFF - number);
    // Past the end of the data (an endless log) the blocks take it again from the start.
    const size_t blocks = data_.size() / kBlockData;
    std::string data = data_.substr((static_cast<size_t>(index) % blocks) * kBlockData, kBlockData);
    unsigned sum = 0;
    for (char c : data) {
        sum += static_cast<unsigned char>(c);
    }
    if (attempts_ == 1 && faults_.TakeBadBlock(index + 1)) {
        data[0] = static_cast<char>(data[0] ^ 0x01);  // a line error: the sum no longer fits
    }
    block += data;
    block += static_cast<char>(sum & 0xFF);
    return block;
}

std::string BlockSender::SendCurrent() {
    ++attempts_;
    if (attempts_ > kMaxAttempts) {
        status_ = Status::Failed;
        return {};
    }
    if (status_ == Status::Ending) {
        return std::string(1, kEot);
    }
    return Block(current_);
}

std::string BlockSender::Feed(char byte) {
    if (byte == kCan && status_ != Status::Done && status_ != Status::Failed) {
        status_ = Status::Cancelled;
        return {};
    }
    switch (status_) {
        case Status::WaitingForNak:
            if (byte != kNak) {
                return {};
            }
            status_ = data_.empty() ? Status::Ending : Status::Sending;
            attempts_ = 0;
            return SendCurrent();
        case Status::Sending:
            if (byte == kAck) {
                ++acked_;
                ++current_;
                attempts_ = 0;
                if (static_cast<size_t>(current_) * kBlockData >= data_.size() &&
                    !faults_.EndlessLog()) {
                    status_ = Status::Ending;
                }
            }
            return SendCurrent();  // the next block, or the same again after NAK or noise
        case Status::Ending:
            if (byte == kAck) {
                status_ = Status::Done;
                return {};
            }
            return SendCurrent();
        default:
            return {};
    }
}

}  // namespace morvik::sim

#include "link/BlockTransfer.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "link/PartialFile.h"
#include "link/RegularFile.h"
#include "link/XmodemBlock.h"

namespace morvik {
namespace {

using namespace xmodem;

// The terminals answer a block within a few milliseconds, but a USB adapter may sit on the
// answer for its latency timer and a busy terminal writes its flash between blocks: a second is
// what the terminals were built to be given.
constexpr uint32_t kTransferReadConstantMs = 1000;

// Before the first block the line must be quiet. Reads of up to 4096 bytes take what a terminal
// still says (a prompt, repeated NAKs of a receiver that is already waiting); a terminal that is
// still talking after nine of them is not in a state to take a transfer.
constexpr size_t kDrainReadSize = 4096;
constexpr int kMaxDrainReads = 10;

// A block is written at most this often before the sender gives up on the terminal.
constexpr int kMaxBlockWrites = 10;
// After a read that brought no answer at all, before the block is written again.
constexpr auto kNoAnswerPause = std::chrono::milliseconds(100);

// The receiver asks for the first block with NAK this many times before it gives up.
constexpr int kStartCycles = 10;
// Time for the sender to react to a NAK before the receiver starts reading.
constexpr auto kNakSettle = std::chrono::milliseconds(50);
// Reads (each up to the read constant) within one receive cycle before the cycle gives up.
constexpr int kReadsPerCycle = 10;
// Pause after a read that brought neither a whole block nor EOT.
constexpr auto kEmptyReadPause = std::chrono::milliseconds(1);
// Pause at the end of every receive cycle.
constexpr auto kCyclePause = std::chrono::milliseconds(50);
// Cycles in a row without an accepted block after which the sender is taken to be gone.
constexpr int kMaxIdleCycles = 3;
// After a damaged block the rest of it may still be on its way: the line counts as quiet once
// nothing has come for this long, and is given at most kMaxPurgeReads reads to get there.
constexpr uint32_t kPurgeQuietMs = 100;
constexpr int kMaxPurgeReads = 20;

void Sleep(std::chrono::milliseconds d) {
    std::this_thread::sleep_for(d);
}

void SetTransferTimeouts(CSerialCommAPI& port) {
    CommTimeouts t = port.GetTimeouts();
    t.readInterval = 0xFFFFFFFF;
    t.readTotalMultiplier = 0xFFFFFFFF;
    t.readTotalConstant = kTransferReadConstantMs;
    port.SetTimeouts(t);
}

bool WriteByte(CSerialCommAPI& port, uint8_t byte) {
    return port.WriteBytes(&byte, 1);
}

// Fills up to 128 bytes; returns how many, 0 at the end, -1 when the source cannot be read.
using BlockSource = std::function<long(uint8_t* data)>;

bool Drain(CSerialCommAPI& port) {
    for (int reads = 1; reads < kMaxDrainReads; ++reads) {
        if (port.ReadText(kDrainReadSize).empty()) {
            return true;
        }
    }
    return false;
}

bool SendOneBlock(CSerialCommAPI& port, const uint8_t* block) {
    for (int write = 0; write < kMaxBlockWrites; ++write) {
        // Whatever is queued now predates this block (a late NAK, the ACK of a repeated block),
        // and would otherwise be taken for the answer to it.
        port.DiscardInput();
        if (!port.WriteBytes(block, kBlockSize)) {
            return false;
        }
        std::string answer = port.ReadText(1);
        if (answer.empty()) {
            Sleep(kNoAnswerPause);
            continue;
        }
        if (static_cast<uint8_t>(answer[0]) == kAck) {
            return true;
        }
        // NAK or anything else: the block goes again.
    }
    return false;
}

bool SendBlocks(CSerialCommAPI& port, const BlockSource& source) {
    uint8_t data[kDataSize];
    uint8_t block[kBlockSize];
    uint8_t number = 1;
    for (;;) {
        long size = source(data);
        if (size < 0) {
            return false;
        }
        if (size == 0) {
            break;
        }
        BuildBlock(number, data, static_cast<size_t>(size), block);
        if (!SendOneBlock(port, block)) {
            return false;
        }
        port.AddSentBytes(static_cast<int32_t>(size));
        ++number;  // wraps from 255 to 0
    }
    // The answer to EOT is not waited for: the terminal's ACK may be lost as it leaves the
    // transfer, and what follows (a "done" line) is read by the caller.
    return WriteByte(port, kEot);
}

bool StartSending(CSerialCommAPI& port) {
    port.ZeroSentBytes();
    SetTransferTimeouts(port);
    return Drain(port);
}

// Empties the line after a damaged block so that its tail is not taken for the next block.
void Purge(CSerialCommAPI& port) {
    const CommTimeouts saved = port.GetTimeouts();
    CommTimeouts quiet = saved;
    quiet.readTotalConstant = kPurgeQuietMs;
    port.SetTimeouts(quiet);
    for (int i = 0; i < kMaxPurgeReads && !port.ReadText(kDrainReadSize).empty(); ++i) {
    }
    port.SetTimeouts(saved);
}

class Receiver {
  public:
    Receiver(CSerialCommAPI& port, int passThrough, const BlockHandler& handler,
             const std::function<bool()>& complete)
        : port_(port), passThrough_(passThrough), handler_(handler), complete_(complete) {}

    int Run(const std::string& path) {
        port_.ZeroSentBytes();
        port_.ZeroReceivedBytes();
        SetTransferTimeouts(port_);
        if (!out_.Create(path)) {
            return kReceiveCannotCreate;
        }
        int result = StartPhase();
        if (result == kContinue) {
            result = MainPhase();
        }
        if (result == kReceiveCancelled || result == kReceiveOverrun) {
            WriteByte(port_, kCan);
        }
        if (result == kReceiveDone && complete_ && !complete_()) {
            result = kReceiveShort;
        }
        if (result == kReceiveDone && !out_.Commit()) {
            result = kReceiveWriteFailed;
        }
        if (result == kReceiveWriteFailed && out_.DiskFull()) {
            result = kReceiveDiskFull;
        }
        out_.Discard();
        return result;
    }

  private:
    static constexpr int kContinue = 1;

    enum class Arrival { kNothing, kBlock, kEot, kCancel };

    // One read; kNothing for a partial block or silence.
    Arrival ReadOne() {
        if (port_.ReceiveCancelled()) {
            return Arrival::kCancel;
        }
        if (port_.ReadBlock(kBlockSize, block_) == kBlockSize) {
            return Arrival::kBlock;
        }
        return block_[0] == kEot ? Arrival::kEot : Arrival::kNothing;
    }

    // Hands a checked block to the handler and writes its text. False when the text cannot be
    // written (a full disk): the transfer cannot end well any more.
    bool Accept() {
        std::string text = handler_ ? handler_(block_, recordNumber_, passThrough_)
                                    : std::string(reinterpret_cast<char*>(block_ + 3), kDataSize);
        if (!out_.Append(text)) {
            return false;
        }
        WriteByte(port_, kAck);
        port_.AddReceivedBytes(static_cast<int32_t>(kBlockSize));
        recordNumber_ += 4;
        ++expected_;
        return true;
    }

    int StartPhase() {
        for (int cycle = 0; cycle < kStartCycles; ++cycle) {
            if (port_.ReceiveCancelled()) {
                return kReceiveCancelled;
            }
            WriteByte(port_, kNak);
            Sleep(kNakSettle);
            Arrival arrival = ReadOne();
            if (arrival == Arrival::kCancel) {
                return kReceiveCancelled;
            }
            // Before the first block there is no previous one that could be repeated.
            if (arrival == Arrival::kBlock && CheckBlock(block_, expected_) == BlockCheck::kGood) {
                return Accept() ? kContinue : Abandon();
            }
            if (arrival == Arrival::kBlock) {
                Purge(port_);  // the next cycle's NAK asks for it again
            }
            Sleep(kEmptyReadPause);
        }
        return kReceiveFailed;
    }

    int MainPhase() {
        for (int idleCycles = 0;; ++idleCycles) {
            if (idleCycles >= kMaxIdleCycles) {
                return kReceiveFailed;
            }
            Arrival arrival = Arrival::kNothing;
            for (int read = 0; read < kReadsPerCycle; ++read) {
                arrival = ReadOne();
                if (arrival != Arrival::kNothing) {
                    break;
                }
                Sleep(kEmptyReadPause);
            }
            switch (arrival) {
                case Arrival::kCancel:
                    return kReceiveCancelled;
                case Arrival::kEot:
                    WriteByte(port_, kAck);
                    return kReceiveDone;
                case Arrival::kNothing:
                    // Nothing usable for a whole cycle: ask for the block again.
                    WriteByte(port_, kNak);
                    break;
                case Arrival::kBlock:
                    switch (CheckBlock(block_, expected_)) {
                        case BlockCheck::kGood:
                            if (complete_ && complete_()) {
                                return kReceiveOverrun;
                            }
                            if (!Accept()) {
                                return Abandon();
                            }
                            idleCycles = -1;  // cleared; the loop's increment makes it 0
                            break;
                        case BlockCheck::kRepeat:
                            // Our ACK of it was lost; the data is already written.
                            WriteByte(port_, kAck);
                            break;
                        case BlockCheck::kBad:
                            Purge(port_);
                            WriteByte(port_, kNak);
                            break;
                    }
                    break;
            }
            Sleep(kCyclePause);
        }
    }

    // Stops the sender when the output cannot take more.
    int Abandon() {
        WriteByte(port_, kCan);
        return kReceiveWriteFailed;
    }

    CSerialCommAPI& port_;
    int passThrough_;
    const BlockHandler& handler_;
    const std::function<bool()>& complete_;
    PartialFile out_;
    uint8_t block_[kBlockSize] = {};
    uint8_t expected_ = 1;
    int recordNumber_ = 0;
};

}  // namespace

bool SendFile(CSerialCommAPI& port, const std::string& path) {
    // Read whole before the terminal is started on it, so that a file that cannot be read never
    // begins a transfer.
    const FileRead file = ReadRegularFile(path, kSendFileMaxBytes);
    if (!file.Ok()) {
        return false;
    }
    return SendMemory(port, reinterpret_cast<const uint8_t*>(file.bytes.data()), file.bytes.size());
}

bool SendMemory(CSerialCommAPI& port, const uint8_t* data, size_t length) {
    if (!StartSending(port)) {
        return false;
    }
    size_t offset = 0;
    return SendBlocks(port, [&](uint8_t* out) -> long {
        size_t size = length - offset < kDataSize ? length - offset : kDataSize;
        if (size > 0) {
            std::memcpy(out, data + offset, size);
        }
        offset += size;
        return static_cast<long>(size);
    });
}

int ReceiveFile(CSerialCommAPI& port, const std::string& path, int passThrough,
                const BlockHandler& handler, const std::function<bool()>& complete) {
    Receiver receiver(port, passThrough, handler, complete);
    return receiver.Run(path);
}

}  // namespace morvik

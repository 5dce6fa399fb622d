#pragma once
// What a session cannot take less than, and where its time goes.
//
// The floor is the pauses the protocol prescribes (the tool's sleeps and read waits, and the
// terminal's own delays) plus the wire time that no pause hides. Wire time is ten bits per byte
// at 115200 baud, in both directions. The tool sleeps after it has written a line while the line
// and the reply cross the wire, so an exchange costs the longer of its pause and its wire time,
// not both; a block costs its 132 bytes out and the acknowledgement back, with no pause.
//
// TraceFloor reads the protocol trace of a session and accounts every line the tool sent and
// what came back before the next one; the steps the trace does not show (the block transfers,
// whose bytes the serial layer writes itself) are added by the benchmark with the Add* helpers.
// The opening (wake-up lines, "exit", the opening lines, "pow s 0") is accounted apart.

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

#include "protocol/ProtocolTrace.h"

namespace morvik::bench {

inline constexpr double kBaud = 115200;

// Seconds the bytes take on the line, ten bits per byte.
inline double WireSeconds(double bytes) {
    return bytes * 10.0 / kBaud;
}

// The pauses the protocol prescribes.
namespace pause {
inline constexpr double kReplySettle = 0.100;  // after every command line, before the read
inline constexpr double kPace = 0.025;         // a paced line: after every 60 bytes and the line
inline constexpr std::size_t kPaceEvery = 60;
inline constexpr double kWakeUpGap = 0.050;      // between the wake-up lines of an opening
inline constexpr double kUploadRequest = 0.100;  // the terminal's NAK after "x i 0"
inline constexpr double kDrain = 1.000;          // a sender's empty read before the first block
inline constexpr double kConfirmation = 0.100;   // the upload's sleeps before "done" and after
// The upload's last read, which drops what follows "done": the terminal said all of it at once,
// so the read waits out the transfer read constant.
inline constexpr double kDiscardRead = 1.000;
inline constexpr double kReceiverSettle = 0.050;  // a receiver's sleep after its NAK
inline constexpr double kReceiverCycle = 0.050;   // a receiver's pause after every block
inline constexpr double kAfterLog = 0.010;        // after the detection log, before "reboot s"
inline constexpr double kFirmwareSettle = 1.000;  // after the image, before the version check
}  // namespace pause

// Seconds of one session, by kind.
struct Account {
    double pauses = 0;   // prescribed pauses
    double wireOut = 0;  // the tool's bytes on the wire
    double wireIn = 0;   // the terminal's
    double exposed = 0;  // wire time that no pause hides
    std::size_t lines = 0;

    double Floor() const { return pauses + exposed; }
    // One step: a pause and the bytes that cross the wire meanwhile.
    void Step(double pause, double outBytes, double inBytes) {
        pauses += pause;
        wireOut += WireSeconds(outBytes);
        wireIn += WireSeconds(inBytes);
        exposed += std::max(0.0, WireSeconds(outBytes + inBytes) - pause);
    }
    Account& operator+=(const Account& other) {
        pauses += other.pauses;
        wireOut += other.wireOut;
        wireIn += other.wireIn;
        exposed += other.exposed;
        lines += other.lines;
        return *this;
    }
};

// An announced upload of length bytes after its "x i 0" line (which the trace accounts, with
// what the terminal answers): the drain, every block and its ACK, EOT, the two confirmation
// sleeps and the last read.
inline void AddUpload(Account& a, std::size_t length) {
    const std::size_t blocks = (length + 127) / 128;
    a.Step(pause::kDrain, 0, 0);
    for (std::size_t i = 0; i < blocks; ++i) {
        a.Step(0, 132, 1);
    }
    a.Step(2 * pause::kConfirmation + pause::kDiscardRead, 1, 0);
}

// A firmware image of length bytes sent by the block sender: the drain, every block with its ACK,
// EOT.
inline void AddImage(Account& a, std::size_t length) {
    const std::size_t blocks = (length + 127) / 128;
    a.Step(pause::kDrain, 0, 0);
    for (std::size_t i = 0; i < blocks; ++i) {
        a.Step(0, 132, 1);
    }
    a.Step(0, 1, 0);
}

// The detection log of the given number of blocks after "dlog g" (which the trace accounts): the
// first NAK and its settle, every block and its ACK with the cycle pause, EOT and its ACK, the
// pause before the terminal is restarted.
inline void AddReceive(Account& a, std::size_t blocks) {
    a.Step(pause::kReceiverSettle, 1, 0);
    for (std::size_t i = 0; i < blocks; ++i) {
        a.Step(pause::kReceiverCycle, 1, 132);
    }
    a.Step(pause::kAfterLog, 1, 1);
}

class TraceFloor {
  public:
    // How the session opens: with OpenSession the first three wake-up lines are exchanges (each
    // waits for its reply); a probe writes them without reading. slim: the lines after the
    // opening are paced.
    TraceFloor(bool openingExchangesWakeUps, bool slim)
        : exchangedWakeUps_(openingExchangesWakeUps), slim_(slim) {}

    // Entries are kept as they come and accounted afterwards: the tool's own work is measured
    // meanwhile and must not include the accounting.
    CProtocolTrace::Sink Sink() {
        return [this](const std::string& entry) {
            std::lock_guard<std::mutex> lock(mutex_);
            entries_.push_back(entry);
        };
    }

    // Accounts what the trace holds; Opening() and Session() then hold the result.
    void Account() {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const std::string& entry : entries_) {
            Take(entry);
        }
        Close();
        entries_.clear();
    }
    const bench::Account& Opening() const { return opening_; }
    bench::Account& Session() { return session_; }

  private:
    void Take(const std::string& entry) {
        // Entries are "<delta> ms <direction> <escaped bytes>".
        const std::size_t at = entry.find(" ms ");
        if (at == std::string::npos || at + 5 > entry.size()) {
            return;
        }
        const char direction = entry[at + 4];
        const std::string bytes = Unescape(entry.substr(std::min(entry.size(), at + 6)));
        if (direction == '<') {
            in_ += bytes.size();
            replyHasPrompt_ = replyHasPrompt_ || bytes.find('%') != std::string::npos;
        } else if (direction == '>') {
            Close();
            sent_ = bytes;
        }
    }

    // Accounts the last line sent with what came back after it.
    void Close() {
        if (sent_.empty()) {
            return;
        }
        bench::Account& a = opened_ ? session_ : opening_;
        double p = 0;
        if (sent_ == "\r\n\r") {
            // A wake-up: the 2nd and 3rd of a group follow a gap.
            if (wakeUpsInGroup_ > 0) {
                p += pause::kWakeUpGap;
            }
            if (exchangedWakeUps_ && wakeUps_ < 3) {
                p += pause::kReplySettle;
            }
            ++wakeUps_;
            wakeUpsInGroup_ = (wakeUpsInGroup_ + 1) % 3;
        } else if (sent_.back() == '\r') {
            wakeUpsInGroup_ = 0;
            const std::string line = sent_.substr(0, sent_.size() - 1);
            if (line.starts_with("x i 0 ")) {
                p = pause::kUploadRequest;
            } else {
                p = pause::kReplySettle;
                if (slim_ && opened_) {
                    p += pause::kPace * static_cast<double>(1 + line.size() / pause::kPaceEvery);
                }
                ++a.lines;
            }
        }
        a.Step(p, static_cast<double>(sent_.size()), static_cast<double>(in_));
        // The opening ends with the Mini family's line answered by a prompt, or with "pow s 0".
        if (!opened_ && ((sent_.starts_with("config mini") && replyHasPrompt_) ||
                         sent_.starts_with("pow s 0"))) {
            opened_ = true;
        }
        sent_.clear();
        in_ = 0;
        replyHasPrompt_ = false;
    }

    static std::string Unescape(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\\' || i + 1 >= text.size()) {
                out += text[i];
                continue;
            }
            const char next = text[++i];
            if (next == 'r') {
                out += '\r';
            } else if (next == 'n') {
                out += '\n';
            } else if (next == 'x' && i + 2 < text.size()) {
                out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                out += next;
            }
        }
        return out;
    }

    std::mutex mutex_;
    std::vector<std::string> entries_;
    bool exchangedWakeUps_;
    bool slim_;
    bool opened_ = false;
    int wakeUps_ = 0;
    int wakeUpsInGroup_ = 0;
    std::string sent_;
    std::size_t in_ = 0;
    bool replyHasPrompt_ = false;
    bench::Account opening_;
    bench::Account session_;
};

}  // namespace morvik::bench

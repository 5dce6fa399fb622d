#include "sessions/SoundUpload.h"

#include <chrono>
#include <thread>

#include "link/BlockTransfer.h"
#include "link/XmodemBlock.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// The terminal asks for the first block about 100 ms after the announcement and then every few
// seconds; each read waits up to this long for it.
constexpr uint32_t kUploadReadConstantMs = 1000;
// Reads that may pass before the NAK has come; one more read than this ends the wait.
constexpr int kRequestReads = 10;
constexpr std::size_t kReplyReadSize = 1024;
// After the last block the terminal checks the whole image before it answers.
constexpr auto kConfirmationPause = std::chrono::milliseconds(100);
// Polls for the confirmation; one more than this ends the wait.
constexpr int kConfirmationPolls = 10;

void Sleep(std::chrono::milliseconds pause) {
    std::this_thread::sleep_for(pause);
}

std::string Read(CTerminal& terminal) {
    std::string text = terminal.Port().ReadText(kReplyReadSize);
    terminal.Trace().Received(text);
    return text;
}

// The terminal's request for the first block. It echoes the announcement at once and sends the
// NAK on its own a moment later; an adapter that holds bytes back may still deliver the two
// together, so the NAK counts wherever it stands in what a read brings (the echo is plain text
// and never holds it).
bool WaitForRequest(CTerminal& terminal) {
    for (int read = 1; read <= kRequestReads + 1; ++read) {
        const std::string text = Read(terminal);
        if (read <= kRequestReads &&
            text.find(static_cast<char>(xmodem::kNak)) != std::string::npos) {
            return true;
        }
    }
    terminal.Trace().Note("no NAK after the announcement");
    return false;
}

UploadOutcome WaitForConfirmation(CTerminal& terminal) {
    const std::string done = res::TextCp932(ids::kReplyDone);
    const std::string error = res::TextCp932(ids::kReplyError);
    Sleep(kConfirmationPause);
    std::string replies;
    for (int poll = 1; poll <= kConfirmationPolls + 1; ++poll) {
        replies += Read(terminal);
        if (replies.find(done) != std::string::npos) {
            // What follows the word (its line end and the prompt) is read and dropped.
            Sleep(kConfirmationPause);
            Read(terminal);
            return UploadOutcome::Done;
        }
        if (replies.find(error) != std::string::npos) {
            // The terminal has checked the image and refused it: waiting longer cannot help.
            return UploadOutcome::Refused;
        }
        if (poll <= kConfirmationPolls) {
            Sleep(kConfirmationPause);
        }
    }
    return UploadOutcome::NoConfirmation;
}

}  // namespace

UploadOutcome AnnouncedUpload(CTerminal& terminal, std::span<const std::uint8_t> data) {
    CSerialCommAPI& port = terminal.Port();
    CReadConstantScope timeouts(port, kUploadReadConstantMs);
    // A progress window may look at the counter before the sender zeroes it.
    port.ZeroSentBytes();

    const std::string line =
        res::TextCp932(ids::kCmdUploadPrefix) + std::to_string(data.size()) + "\r";
    terminal.Trace().Sent(line);
    if (!port.Send(line)) {
        return UploadOutcome::TransferFailed;
    }
    if (!WaitForRequest(terminal)) {
        return UploadOutcome::NoRequest;
    }
    if (!SendMemory(port, data.data(), data.size())) {
        terminal.Trace().Note("block transfer failed");
        return UploadOutcome::TransferFailed;
    }
    return WaitForConfirmation(terminal);
}

std::string UploadFailureText(UploadOutcome outcome) {
    switch (outcome) {
        case UploadOutcome::NoRequest:
        case UploadOutcome::NoConfirmation:
            return res::TextCp932(ids::kUploadTimeout);
        case UploadOutcome::Done:
            return {};
        default:
            return res::TextCp932(ids::kSoundUploadFailed);
    }
}

}  // namespace morvik

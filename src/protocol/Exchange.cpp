// One command line for one reply: how the line is written, how the reply is gathered and when it
// counts as complete, how it is cleaned, and the wake-up, exit and reboot lines.

#include <chrono>
#include <thread>

#include "model/TextExtract.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/ReplyText.h"
#include "protocol/ReplyWords.h"
#include "protocol/Terminal.h"
#include "protocol/WriteVerification.h"

namespace morvik {

namespace {

using std::chrono::milliseconds;

// The terminal's input buffer overflows when a long line arrives at full speed: outside a session
// opening, pause after every 60 bytes of a line and once after the line.
constexpr size_t kPaceEveryBytes = 60;
constexpr milliseconds kPaceSleep{25};
// Time for the echo and a short answer to arrive before the first read.
constexpr milliseconds kReplySettleSleep{100};
// A read that brought nothing counts as an empty poll; after this many in one exchange the
// terminal is taken to be silent. New data does not reset the count.
constexpr int kMaxEmptyPolls = 19;
// Lines that a sleeping or absent terminal may ignore: one empty poll is enough for them.
constexpr int kMaxEmptyPollsWakeUp = 1;
constexpr milliseconds kPollSleep{25};

constexpr char kPromptReady = '%';
constexpr char kPromptNormal = '#';

void Sleep(milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

// A prompt ends a reply only where it starts a line: the terminal puts it after the last CR LF
// of its answer (or alone). A "%" or "#" inside a value (a percent-encoded URL, a fragment
// anchor) must not end the wait while the rest of the value is still on its way. Blanks before
// it on its line (zero bytes a terminal put there, which are spaces by now) leave it the line's
// start: a value never holds a raw space, so they cannot be part of one.
bool HasPrompt(const std::string& reply, size_t from) {
    for (size_t i = from; i < reply.size(); ++i) {
        if (reply[i] != kPromptReady && reply[i] != kPromptNormal) {
            continue;
        }
        size_t start = i;
        while (start > 0 && reply[start - 1] == ' ') {
            --start;
        }
        if (start == 0 || reply[start - 1] == '\n' || reply[start - 1] == '\r') {
            return true;
        }
    }
    return false;
}

// A plain reply is complete at its first line end, but the echo ends in CR LF too, and its CR and
// LF may arrive in separate reads (after the first read's removal of the echo found only a part of
// it). Only a line end outside the echo counts.
bool HasLineEndAfterEcho(const std::string& reply, const std::string& echo) {
    std::string body = reply;
    RemoveAll(body, echo);
    return body.find("\r\n") != std::string::npos;
}

// A terminal answers a parameter as "<name> <value>" at the start of a line; the name is removed
// there only. Removing it wherever it stands would cut into a value that holds the same word and a
// space: the NDEF text of "ndef g u" (whose second word is "g") is a URL, a space and an option, so
// "http://a/b.jpg 00" would come back as "http://a/b.jp00".
void RemoveNameAtLineStarts(std::string& reply, const std::string& prefix) {
    std::string out;
    out.reserve(reply.size());
    size_t lineStart = 0;
    while (lineStart < reply.size()) {
        size_t lineEnd = reply.find('\n', lineStart);
        lineEnd = lineEnd == std::string::npos ? reply.size() : lineEnd + 1;
        const std::string_view line(reply.data() + lineStart, lineEnd - lineStart);
        out.append(line.starts_with(prefix) ? line.substr(prefix.size()) : line);
        lineStart = lineEnd;
    }
    reply = std::move(out);
}

}  // namespace

std::string CTerminal::Exchange(const std::string& line, bool quiet) {
    return ExchangeFramed(line, quiet, false);
}

std::string CTerminal::PlainExchange(const std::string& line, bool quiet) {
    return ExchangeFramed(line, quiet, true);
}

std::string CTerminal::ExchangeFramed(const std::string& line, bool quiet, bool plain) {
    const std::string name = ParameterName(line);
    const bool paced = !pacing_.load();

    // Byte by byte, as the terminal's input buffer wants it.
    for (size_t i = 0; i < line.size(); ++i) {
        if (!WriteByte(line[i])) {
            trace_.Sent(line.substr(0, i));
            trace_.Note("write failed");
            return ReplyWord::Error();
        }
        if (paced && (i + 1) % kPaceEveryBytes == 0) {
            Sleep(kPaceSleep);
        }
    }
    const std::string terminator = plain ? port_.Terminator() : std::string("\r");
    const bool terminated = port_.Send(terminator);
    trace_.Sent(line + terminator);
    if (!terminated) {
        trace_.Note("write failed");
        return ReplyWord::Error();
    }
    if (paced) {
        Sleep(kPaceSleep);
    }
    Sleep(kReplySettleSleep);

    const std::string echo = line + "\r\n";
    std::string reply = ReadFragment();
    ReplaceZeroBytes(reply, 0);
    if (!reply.empty()) {
        RemoveAll(reply, echo);
    }

    const bool wakeUpLine = plain ? (line == port_.Terminator() || line == ReplyWord::Exit())
                                  : (line == "\r\n" || line == ReplyWord::Exit() ||
                                     line == miniOpeningLine_ || line == slimOpeningLine_);
    const int maxEmptyPolls = wakeUpLine ? kMaxEmptyPollsWakeUp : kMaxEmptyPolls;
    int emptyPolls = 0;
    size_t newestFrom = 0;
    const auto replyDeadline = std::chrono::steady_clock::now() + replyMaxTime_;
    for (;;) {
        const bool complete =
            plain ? HasLineEndAfterEcho(reply, echo) : HasPrompt(reply, newestFrom);
        if (complete) {
            break;
        }
        if (ExchangeCancelled() || reply.size() > replyMaxBytes_ ||
            std::chrono::steady_clock::now() > replyDeadline) {
            const bool cancelled = ExchangeCancelled();
            trace_.Note(cancelled ? "cancelled" : "endless reply");
            if (!quiet && !cancelled) {
                reporter_->ShowError(Texts::SerialReadFailed());
            }
            return ReplyWord::NoReply();
        }
        newestFrom = reply.size();
        reply += ReadFragment();
        ReplaceZeroBytes(reply, newestFrom);
        if (reply.size() != newestFrom) {
            continue;
        }
        if (++emptyPolls >= maxEmptyPolls) {
            trace_.Note("no reply");
            if (!quiet) {
                reporter_->ShowError(Texts::SerialReadFailed());
            }
            return ReplyWord::NoReply();
        }
        Sleep(kPollSleep);
    }

    // An echo that came in two pieces escaped the removal after the first read.
    RemoveAll(reply, echo);
    TrimSpaces(reply);
    if (!name.empty()) {
        RemoveNameAtLineStarts(reply, name + " ");
    }
    if (plain) {
        if (!quiet) {
            reply = TrimRight(reply, "\r\n");
        }
        return reply;
    }
    if (!quiet) {
        reply = TrimRight(reply, "%");
    }
    if (!VerifyWrite(line, reply)) {
        trace_.Note("write not confirmed");
        return ReplyWord::ChecksumError();
    }
    return reply;
}

std::string CTerminal::RawWakeUp() {
    // Written without reading: a terminal that sleeps answers nothing, an awake one answers with
    // prompts that the next exchange reads and ignores.
    for (char byte : std::string("\r\n\r")) {
        if (!WriteByte(byte)) {
            trace_.Note("write failed");
            return ReplyWord::Error();
        }
    }
    trace_.Sent("\r\n\r");
    return std::string();
}

std::string CTerminal::SendExit() {
    return Exchange(ReplyWord::Exit(), true);
}

bool CTerminal::SendReboot() {
    return SendText(Texts::RebootLine() + "\r\n");
}

}  // namespace morvik

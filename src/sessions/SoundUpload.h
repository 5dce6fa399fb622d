#pragma once
// The announced upload of the Mini family: the sound image (or any data a terminal takes the same
// way) is announced with "x i 0 <length>", sent as checksummed blocks once the terminal asks for
// them with NAK, and confirmed by the terminal's "done" after it has checked what arrived.
// Edition-neutral: the Mini/MiniS and the MiniSx sessions both use it.
//
// It runs on the session's worker thread in an open command session. While it sends, the port's
// sent-bytes counter grows by the data carried in each acknowledged block, which is what a
// progress window polls.

#include <cstdint>
#include <span>
#include <string>

#include "protocol/Terminal.h"

namespace morvik {

enum class UploadOutcome {
    Done,            // the terminal took the data and answered "done"
    NoRequest,       // no NAK came after the announcement
    TransferFailed,  // a block was not acknowledged, or the line could not be written
    Refused,         // the terminal answered "error": it did not accept what it received
    NoConfirmation,  // neither "done" nor "error" came after the last block
};

// Announces and sends data. The port's time-outs are as they were afterwards, whatever the
// outcome.
UploadOutcome AnnouncedUpload(CTerminal& terminal, std::span<const std::uint8_t> data);

// The error text (code page 932, without CR LF) a session ends with for an upload outcome other
// than Done: 120 when the terminal did not answer in time; for a failed transfer or a refused
// image the upload has no text of its own, and the session reports 361.
std::string UploadFailureText(UploadOutcome outcome);

}  // namespace morvik

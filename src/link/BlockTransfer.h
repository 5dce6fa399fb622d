#pragma once
// Bulk transfers to and from a terminal in 132-byte checksummed blocks (see XmodemBlock.h).
// Each call runs to its end on the calling thread (a session worker); the window that waits for
// it only polls the port's byte counters and may set the port's receive-cancel flag.
//
// The senders and the receiver leave the port's read time-outs changed (read constant 1000 ms);
// callers save the time-outs before and restore them afterwards.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "link/SerialCommAPI.h"

namespace morvik {

// Far more than any image a terminal takes; a larger file is not sent.
constexpr size_t kSendFileMaxBytes = 16 * 1024 * 1024;

// Sends the file's bytes as blocks, then EOT. False when the file cannot be read (or is not a
// regular file, or is larger than kSendFileMaxBytes), when the terminal keeps talking before the
// transfer, or when a block is not acknowledged.
bool SendFile(CSerialCommAPI& port, const std::string& path);

// The same with the bytes taken from memory. A length of 0 sends only EOT.
bool SendMemory(CSerialCommAPI& port, const uint8_t* data, size_t length);

// Results of ReceiveFile.
constexpr int kReceiveDone = 0;
constexpr int kReceiveFailed = -1;
constexpr int kReceiveCannotCreate = -2;
constexpr int kReceiveCancelled = -3;
// EOT came, but the caller's completeness check said that not everything had arrived.
constexpr int kReceiveShort = -4;
// The blocks arrived, but the output could not be written or put in place (a full disk, a
// target that cannot be replaced): a file failure, not a silent sender.
constexpr int kReceiveWriteFailed = -5;
// The same for want of space on the output's disk.
constexpr int kReceiveDiskFull = -6;
// A new block came after the complete check had said that everything had arrived: a sender that
// goes on past what it announced is damaged, and is stopped with CAN rather than followed for
// ever.
constexpr int kReceiveOverrun = -7;

// Turns one accepted block into the text appended to the output file. It gets the whole
// 132-byte block, a running record number (0 for the first block, growing by 4 per block) and
// the value the caller passed to ReceiveFile.
using BlockHandler =
    std::function<std::string(const uint8_t* block, int recordNumber, int passThrough)>;

// Receives blocks until EOT and writes what the handler makes of them to path (without a
// handler, the 128 data bytes of each block). Only checked blocks reach the handler: a damaged
// block is refused with NAK, a repeat of the previous block is acknowledged and dropped. The
// output is written beside the target and put in place when the transfer ends well, so a failed
// or cancelled receive leaves no file and never damages the file that was there before.
// The caller clears the port's receive-cancel flag before starting; setting it stops the
// receive with CAN.
// A complete check, when given, is asked at EOT: false leaves no file and gives kReceiveShort (a
// sender that ends early must not leave a file that looks whole). It is asked too when a new
// block arrives: true then stops the receive with CAN and kReceiveOverrun, leaving no file.
int ReceiveFile(CSerialCommAPI& port, const std::string& path, int passThrough,
                const BlockHandler& handler = {}, const std::function<bool()>& complete = {});

}  // namespace morvik

#pragma once
// One detection of a card or phone as a Mini/MiniS terminal logs it: the 32-byte record of its
// detection log, and the fields decoded from it. The detection log CSV is written from these
// bytes and read back into them.

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>

namespace morvik {

inline constexpr std::size_t kDetectionLogRecordSize = 32;

// The clock fields of a record as the terminal stored them. They are bytes, so a terminal whose
// clock was never set can have logged a month 0 or an hour 25 under a correct check byte.
struct DetectionLogTime {
    int year = 2000;  // 2000 + the year byte
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // True when the fields name a moment of the calendar (month 1-12, a day of that month,
    // hour below 24, minute and second below 60).
    bool Valid() const;
    // Days since 1970-01-01 of the date (valid times only).
    std::int32_t Day() const;

    friend auto operator<=>(const DetectionLogTime&, const DetectionLogTime&) = default;
};

// The outcome of a detection, grouped from the function result code: what the charts stack.
enum class DetectionOutcome { kSuccess, kCardDetected, kFailure, kInternalError, kOther };
inline constexpr std::size_t kDetectionOutcomeCount = 5;
// The outcome of a result code (bits 0-5 of the result byte).
DetectionOutcome DetectionOutcomeOf(int resultCode);

struct DetectionLogRecord {
    using Bytes = std::array<std::uint8_t, kDetectionLogRecordSize>;

    std::int64_t number = 0;  // its number in the log, from 1
    Bytes bytes{};

    // False when the bytes do not sum to 0 modulo 256: the CSV marks such a record and keeps
    // only its bytes, and none of the fields below can be trusted.
    bool Consistent() const;

    std::span<const std::uint8_t, 8> FelicaId() const;
    DetectionLogTime Time() const;
    // Byte 14: the function result code in bits 0-5, the set in bits 6-7.
    std::uint8_t ResultByte() const;
    int ResultCode() const;
    int SetBits() const;  // 0 = 設定1, 1 = 設定2, 2 and 3 have no set of their own
    std::uint8_t Kind() const;
    DetectionOutcome Outcome() const;
    std::uint64_t BootCounter() const;  // 40 bits
    std::uint32_t SecondsCounter() const;
    std::uint16_t TouchCounter() const;
    std::uint32_t CumulativeTouchCounter() const;
};

// True for the result codes that have a text of their own: 0 success, 1 card detected, 2-4
// failures, 63 internal error.
bool IsNamedResultCode(int code);

// Record offsets and the check byte, for whoever builds a record (the CSV reader).
namespace detection_log_offsets {
inline constexpr std::size_t kFelicaId = 0;
inline constexpr std::size_t kYear = 8;  // then month, day, hour, minute, second
inline constexpr std::size_t kResult = 14;
inline constexpr std::size_t kKind = 15;
inline constexpr std::size_t kBootCounter = 16;        // 5 bytes
inline constexpr std::size_t kSecondsCounter = 21;     // 4 bytes
inline constexpr std::size_t kTouchCounter = 25;       // 2 bytes
inline constexpr std::size_t kCumulativeCounter = 27;  // 4 bytes
inline constexpr std::size_t kCheck = 31;
}  // namespace detection_log_offsets

// The check byte that makes the first 31 bytes and it sum to 0 modulo 256.
std::uint8_t DetectionLogCheckByte(std::span<const std::uint8_t> first31);

}  // namespace morvik

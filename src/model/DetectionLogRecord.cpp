#include "model/DetectionLogRecord.h"

#include <chrono>
#include <numeric>

namespace morvik {
namespace {

namespace at = detection_log_offsets;

constexpr std::uint8_t kResultMask = 0x3F;
constexpr int kResultSuccess = 0;
constexpr int kResultCardDetected = 1;
constexpr int kResultInternalError = 63;
constexpr int kSetShift = 6;

std::uint64_t Little(const DetectionLogRecord::Bytes& bytes, std::size_t offset, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = size; i > 0; --i) {
        value = value << 8 | bytes[offset + i - 1];
    }
    return value;
}

std::chrono::year_month_day Date(const DetectionLogTime& time) {
    return std::chrono::year_month_day{std::chrono::year{time.year},
                                       std::chrono::month{static_cast<unsigned>(time.month)},
                                       std::chrono::day{static_cast<unsigned>(time.day)}};
}

}  // namespace

bool DetectionLogTime::Valid() const {
    return month >= 1 && month <= 12 && day >= 1 && Date(*this).ok() && hour >= 0 && hour < 24 &&
           minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

std::int32_t DetectionLogTime::Day() const {
    return static_cast<std::int32_t>(std::chrono::sys_days{Date(*this)}.time_since_epoch().count());
}

bool IsNamedResultCode(int code) {
    return (code >= kResultSuccess && code <= 4) || code == kResultInternalError;
}

std::uint8_t DetectionLogCheckByte(std::span<const std::uint8_t> first31) {
    const unsigned sum = std::accumulate(first31.begin(), first31.begin() + at::kCheck, 0u);
    return static_cast<std::uint8_t>((0x100u - (sum & 0xFFu)) & 0xFFu);
}

bool DetectionLogRecord::Consistent() const {
    const unsigned sum = std::accumulate(bytes.begin(), bytes.end(), 0u);
    return (sum & 0xFFu) == 0;
}

std::span<const std::uint8_t, 8> DetectionLogRecord::FelicaId() const {
    return std::span<const std::uint8_t, kDetectionLogRecordSize>(bytes)
        .subspan<at::kFelicaId, 8>();
}

DetectionLogTime DetectionLogRecord::Time() const {
    return {2000 + bytes[at::kYear], bytes[at::kYear + 1], bytes[at::kYear + 2],
            bytes[at::kYear + 3],    bytes[at::kYear + 4], bytes[at::kYear + 5]};
}

std::uint8_t DetectionLogRecord::ResultByte() const {
    return bytes[at::kResult];
}

int DetectionLogRecord::ResultCode() const {
    return ResultByte() & kResultMask;
}

int DetectionLogRecord::SetBits() const {
    return ResultByte() >> kSetShift;
}

std::uint8_t DetectionLogRecord::Kind() const {
    return bytes[at::kKind];
}

DetectionOutcome DetectionLogRecord::Outcome() const {
    return DetectionOutcomeOf(ResultCode());
}

DetectionOutcome DetectionOutcomeOf(int resultCode) {
    switch (resultCode) {
        case kResultSuccess:
            return DetectionOutcome::kSuccess;
        case kResultCardDetected:
            return DetectionOutcome::kCardDetected;
        case 2:
        case 3:
        case 4:
            return DetectionOutcome::kFailure;
        case kResultInternalError:
            return DetectionOutcome::kInternalError;
        default:
            return DetectionOutcome::kOther;
    }
}

std::uint64_t DetectionLogRecord::BootCounter() const {
    return Little(bytes, at::kBootCounter, 5);
}

std::uint32_t DetectionLogRecord::SecondsCounter() const {
    return static_cast<std::uint32_t>(Little(bytes, at::kSecondsCounter, 4));
}

std::uint16_t DetectionLogRecord::TouchCounter() const {
    return static_cast<std::uint16_t>(Little(bytes, at::kTouchCounter, 2));
}

std::uint32_t DetectionLogRecord::CumulativeTouchCounter() const {
    return static_cast<std::uint32_t>(Little(bytes, at::kCumulativeCounter, 4));
}

}  // namespace morvik

#include "model/Guidance.h"

#include <optional>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

constexpr std::size_t kPartWidth = 2;

template <std::size_t N>
int IndexIn(const int (&list)[N], int value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (list[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool IsGuidanceHour(int hour) {
    return hour >= 0 && hour < kGuidanceHourCount;
}

// One two-digit part of "pntT": it loses one leading "0" and must then be exactly the text of
// a list entry ("0".."23", "0"/"30", "1"/"3"/"5"); anything but digits (" 7", "-1") is not.
std::optional<int> PartValue(std::string_view pntT, std::size_t index) {
    const std::size_t start = index * kPartWidth;
    if (start >= pntT.size()) {
        return std::nullopt;
    }
    std::string_view part = pntT.substr(start, kPartWidth);
    if (part.size() > 1 && part[0] == '0') {
        part.remove_prefix(1);
    }
    if (part.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

int GuidanceMinuteIndex(int minute) {
    return IndexIn(kGuidanceMinutes, minute);
}

int GuidanceIntervalIndex(int interval) {
    return IndexIn(kGuidanceIntervals, interval);
}

bool IsValidGuidanceSchedule(const PeriodicGuidance& g) {
    return IsGuidanceHour(g.startHour) && GuidanceMinuteIndex(g.startMinute) >= 0 &&
           IsGuidanceHour(g.endHour) && GuidanceMinuteIndex(g.endMinute) >= 0 &&
           GuidanceIntervalIndex(g.interval) >= 0;
}

std::string GuidanceUseValue(const PeriodicGuidance& guidance) {
    return guidance.enabled ? "1" : "0";
}

std::string GuidanceTimesValue(const PeriodicGuidance& g) {
    return res::Format("%02d%02d%02d%02d%02d", g.startHour, g.startMinute, g.endHour, g.endMinute,
                       g.interval);
}

std::vector<int> ReadPeriodicGuidance(std::string_view pnt, std::string_view pntT,
                                      PeriodicGuidance& guidance) {
    std::vector<int> messages;
    if (pnt == "1" || pnt == "0") {
        guidance.enabled = pnt == "1";
    } else {
        messages.push_back(res::ids::kGuidanceUseInvalid);
    }

    const auto startHour = PartValue(pntT, 0);
    const auto startMinute = PartValue(pntT, 1);
    if (startHour && IsGuidanceHour(*startHour) && startMinute &&
        GuidanceMinuteIndex(*startMinute) >= 0) {
        guidance.startHour = *startHour;
        guidance.startMinute = *startMinute;
    } else {
        messages.push_back(res::ids::kGuidanceStartInvalid);
    }

    const auto endHour = PartValue(pntT, 2);
    const auto endMinute = PartValue(pntT, 3);
    if (endHour && IsGuidanceHour(*endHour) && endMinute && GuidanceMinuteIndex(*endMinute) >= 0) {
        guidance.endHour = *endHour;
        guidance.endMinute = *endMinute;
    } else {
        messages.push_back(res::ids::kGuidanceEndInvalid);
    }

    const auto interval = PartValue(pntT, 4);
    if (interval && GuidanceIntervalIndex(*interval) >= 0) {
        guidance.interval = *interval;
    } else {
        messages.push_back(res::ids::kGuidanceIntervalInvalid);
    }
    return messages;
}

}  // namespace morvik

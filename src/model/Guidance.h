#pragma once
// Periodic guidance (定期誘導): at set times the terminal plays its guidance lamp and sound to
// invite passers-by to touch. Two keys hold it: "pnt" (used or not) and "pntT" (ten digits:
// start hour, start minute, end hour, end minute, interval in minutes, two digits each).

#include <string>
#include <string_view>
#include <vector>

namespace morvik {

struct PeriodicGuidance {
    bool enabled = false;
    int startHour = 0;    // 0-23
    int startMinute = 0;  // 0 or 30
    int endHour = 0;      // 0-23
    int endMinute = 0;    // 0 or 30
    int interval = 1;     // 1, 3 or 5 minutes
    bool operator==(const PeriodicGuidance&) const = default;
};

// The choice lists of the guidance page.
inline constexpr int kGuidanceHourCount = 24;
inline constexpr int kGuidanceMinutes[] = {0, 30};
inline constexpr int kGuidanceIntervals[] = {1, 3, 5};

// The list position of a minute or an interval value, -1 when the list lacks it.
int GuidanceMinuteIndex(int minute);
int GuidanceIntervalIndex(int interval);

// True when every time value is an entry of its list.
bool IsValidGuidanceSchedule(const PeriodicGuidance& guidance);

// The value of "pnt": "1" when periodic guidance is used, "0" when not.
std::string GuidanceUseValue(const PeriodicGuidance& guidance);

// The value of "pntT", e.g. "0930180003" for 9:30 to 18:00 every 3 minutes.
std::string GuidanceTimesValue(const PeriodicGuidance& guidance);

// Takes "pnt" and "pntT" as read from a terminal or a file into guidance. Every part that is
// valid is taken; a part that is not keeps guidance's previous value and adds its message
// number: 183 (pnt not "1" or "0"), 184 (start time), 185 (end time), 186 (interval), in that
// order. An empty result means everything was taken.
std::vector<int> ReadPeriodicGuidance(std::string_view pnt, std::string_view pntT,
                                      PeriodicGuidance& guidance);

}  // namespace morvik

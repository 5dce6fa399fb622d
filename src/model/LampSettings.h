#pragma once
// The lamp patterns of a whole terminal: the six event lamps of each set and the four periodic
// guidance lamps of a Mini or MiniS, the eight lamps of a MiniSx. Codes read from a terminal or a
// file are decoded row by row, so that one bad code empties only its own row and the good lamps
// beside it are written back as they were.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "res/StringIds.h"

namespace morvik {

// Rows of a set: AC success, AC failure, AC idle, battery success, battery failure, battery idle
// (AC stands for the AC adapter or the settings cable).
inline constexpr std::size_t kLampRowsPerSet = 6;
using LampSetPatterns = std::array<std::string, kLampRowsPerSet>;
// Periodic guidance lamps: set 1 AC, set 1 battery, set 2 AC, set 2 battery.
using GuidanceLampPatterns = std::array<std::string, 4>;

// The terminal keys of the rows (string table ids), in the shapes above.
inline constexpr std::array<std::array<int, kLampRowsPerSet>, 2> kMiniSetLampKeyIds = {{
    {res::ids::kKeyLov1, res::ids::kKeyLnv1, res::ids::kKeyLiv1, res::ids::kKeyLob1,
     res::ids::kKeyLnb1, res::ids::kKeyLib1},
    {res::ids::kKeyLov2, res::ids::kKeyLnv2, res::ids::kKeyLiv2, res::ids::kKeyLob2,
     res::ids::kKeyLnb2, res::ids::kKeyLib2},
}};
inline constexpr std::array<int, 4> kGuidanceLampKeyIds = {res::ids::kKeyLpv1, res::ids::kKeyLpb1,
                                                           res::ids::kKeyLpv2, res::ids::kKeyLpb2};

// Row index of the idle rows inside a set; only those encode with 250 ms steps.
bool IsIdleLampRow(std::size_t row);
// True for "liv1", "lib1", "liv2", "lib2".
bool IsIdleLampKey(std::string_view key);

// The sixteen lamps of a Mini or MiniS, as user patterns or (same shape) as device codes.
struct MiniLamps {
    std::array<LampSetPatterns, 2> sets;
    GuidanceLampPatterns guidance;
    bool operator==(const MiniLamps&) const = default;
};

// The device codes of all sixteen patterns, or nothing when one of them is not a valid user
// pattern.
std::optional<MiniLamps> EncodeMiniLamps(const MiniLamps& patterns);

// Decodes a group of codes into patterns row by row: a code that cannot be shown empties its row
// (a lamp that stays off until the operator sets it again). Returns the rows that failed.
std::vector<std::size_t> DecodeLampGroup(std::span<const std::string> codes,
                                         std::span<std::string> patterns);

// Decodes the three groups (set 1, set 2, periodic guidance) of codes read from a terminal or a
// file into patterns. Returns the warning for the rows that failed (code page 932, without a line
// end): 388 naming each row by its group and its place in the lamp dialog, such as
// "設定1(電池利用時 待機)", joined by ", "; empty when every row decoded.
std::string DecodeMiniLamps(const MiniLamps& codes, MiniLamps& patterns);

// The MiniSx keeps one set of eight lamps: function success and failure, idle, and the KelTouch
// completion lamp (set 2's success keys).
inline constexpr std::size_t kMiniSxLampCount = 8;
using MiniSxLamps = std::array<std::string, kMiniSxLampCount>;
inline constexpr std::array<int, kMiniSxLampCount> kMiniSxLampKeyIds = {
    res::ids::kKeyLov1, res::ids::kKeyLnv1, res::ids::kKeyLiv1, res::ids::kKeyLob1,
    res::ids::kKeyLnb1, res::ids::kKeyLib1, res::ids::kKeyLov2, res::ids::kKeyLob2};

// Device codes of the eight MiniSx patterns (idle steps for liv1 and lib1), or nothing when one
// is not a valid user pattern.
std::optional<MiniSxLamps> EncodeMiniSxLamps(const MiniSxLamps& patterns);

// Decodes the MiniSx lamps row by row; returns warning 993 (code page 932) when a code cannot
// be shown, its row emptied, and empty otherwise.
std::string DecodeMiniSxLamps(const MiniSxLamps& codes, MiniSxLamps& patterns);

}  // namespace morvik

#pragma once
// The four editions the simulator can be: how each identifies itself, which session it opens,
// which parameter keys it holds (with factory values that a reading tool accepts), and which
// commands beyond the parameters it knows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvik::sim {

enum class EditionId { Slim, Mini, MiniS, MiniSx };

struct Edition {
    EditionId id;
    const char* name;         // as given to --edition
    const char* product;      // the product name in the "ver" reply
    const char* openingLine;  // the line that opens a command session
    const char* defaultVersion;
    bool miniFamily;    // Mini, MiniS, MiniSx: clock, touch counter, sounds, records in file form
    bool detectionLog;  // "dlog e" and "dlog g" (Mini, MiniS)
    bool ndef;          // "ndef g u" and "ndef s" (MiniSx)
    // Every parameter key, in the order "pget" without a key lists them.
    std::vector<std::string> keys;

    bool HasKey(std::string_view key) const;
    // The factory value of a key, stored as the terminal would hold it after a write.
    std::string FactoryValue(std::string_view key) const;
    // The factory NDEF text (MiniSx).
    std::string FactoryNdef() const;
};

const Edition& EditionOf(EditionId id);
std::optional<EditionId> EditionByName(std::string_view name);

// Keys whose written value is confirmed by a checksum of its unescaped text.
bool IsTextChecksumKey(std::string_view key);
// Keys whose written value is confirmed by a checksum of the bytes its hexadecimal pairs encode.
bool IsHexChecksumKey(std::string_view key);
// The function records that a Mini-family terminal answers in the settings-file form.
bool IsFunctionRecordKey(std::string_view key);

}  // namespace morvik::sim

#pragma once
// What a MiniSx keeps beyond the Mini/MiniS settings: how an NFC smartphone held to it is
// handled (key "nfc", query "nque" and the URL of its NDEF record), how an おサイフケータイ
// smartphone is told apart (the setting switch "fchg" as the mode and "smp" as the variant), and
// the time check "rtcc".
//
// Decoding never fails: a bad value adds its message (code page 932, without a line end) and
// falls back to a value the pages can show, so that a read goes on.

#include <string>
#include <string_view>
#include <vector>

namespace morvik {

// The NDEF record holds at most this many bytes of URL.
inline constexpr int kNfcUrlLimit = 184;

// NFC smartphone detection mode ("nfc"): 0 not detected, 1 KelTouch, 2 browser launch.
inline constexpr int kNfcModeNotDetected = 0;
inline constexpr int kNfcModeKelTouch = 1;
inline constexpr int kNfcModeBrowser = 2;

// NFC query ("nque"): 0 none, 1 appended, 2 appended and encrypted.
inline constexpr int kNfcQueryNone = 0;
inline constexpr int kNfcQueryPlain = 1;
inline constexpr int kNfcQueryEncrypted = 2;

struct MiniSxNfcSettings {
    int mode = kNfcModeNotDetected;
    int query = kNfcQueryNone;
    std::string url;  // code page 932, as the NDEF record holds it
    bool operator==(const MiniSxNfcSettings&) const = default;
};

// The "クエリ付加" list shows the query values in the order 2, 1, 0.
int NfcQueryListIndex(int query);
// The query value of a list entry; an index outside the list gives the first entry's value.
int NfcQueryOfListIndex(int listIndex);

// The NDEF text split into the URL and its option: the URL is the text before the first space,
// the option the text between that space and the next one (or the end); a text without a space
// is the URL alone with option "00".
struct NdefText {
    std::string url;
    std::string option;
};
NdefText SplitNdefText(std::string_view text);

// Decodes the three NFC values as read ("nfc", "nque", the NDEF text):
//  - a mode that is empty or no number counts as 0, without a message;
//  - a mode other than 0, 1, 2: 375, and mode 2, query 2 with an empty URL;
//  - a query other than 0, 1, 2: becomes 2 (379 in mode 2);
//  - an option that is not hexadecimal zero: the URL is emptied (967 in mode 2);
//  - a URL over 184 bytes (917) or with characters a terminal refuses (916): emptied, the
//    message only in mode 2.
MiniSxNfcSettings DecodeNfcSettings(std::string_view mode, std::string_view query,
                                    std::string_view ndefText, std::vector<std::string>& messages);

// The checks before a write, made in browser mode only: 918 for an empty URL; otherwise 916
// for characters a terminal refuses, 917 for a URL over the limit and, with a query appended,
// 962 when the URL does not end in "?" or "&" (the terminal adds the query right behind it).
std::vector<std::string> ValidateNfcSettings(const MiniSxNfcSettings& nfc);

// The NDEF write: "ndef s", the query value and the URL, one space apart. It is sent in every
// mode; an empty URL leaves the line ending in the space after the query value.
std::string NdefWriteLine(const MiniSxNfcSettings& nfc);

// The おサイフケータイ smartphone detection: mode ("fchg", 0-2, 2 telling smartphones apart) and
// variant ("smp": 1 KelTouch, 2 the separate smartphone settings).
enum class SmartphoneChoice { Basic, KelTouch, SmartphoneSettings };

struct MiniSxSmartphoneDetection {
    int mode = 0;
    int variant = 1;

    // What the page shows: mode 0 or 1 the basic settings, mode 2 the variant's choice.
    SmartphoneChoice Choice() const;
    // What choosing on the page sets: Basic mode 0 (variant kept), KelTouch mode 2 variant 1,
    // SmartphoneSettings mode 2 variant 2.
    void Choose(SmartphoneChoice choice);
    bool operator==(const MiniSxSmartphoneDetection&) const = default;
};

// Decodes "fchg" and "smp": a value that is empty or no number counts as 0, without a message;
// a mode outside 0-2 adds 366; a variant number other than 1 or 2 adds 366 in mode 2; either way
// (a variant that was no number too) the result is then mode 0, variant 1.
MiniSxSmartphoneDetection DecodeSmartphoneDetection(std::string_view mode, std::string_view variant,
                                                    std::vector<std::string>& messages);

// Decodes "rtcc": 0 or 1, an empty value or no number counting as 0; any other number adds 327
// and turns the check off.
bool DecodeClockCheck(std::string_view value, std::vector<std::string>& messages);

}  // namespace morvik

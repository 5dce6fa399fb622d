#include "model/MiniSxAdditions.h"

#include <optional>

#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// A small decimal setting as the terminal stores it: an optional "-" and digits only. Anything
// else (an empty value from a file that lacks the key, a letter) has no value.
std::optional<int> SmallDecimal(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        i = 1;
    }
    constexpr std::size_t kMaxDigits = 6;
    if (i == text.size() || text.size() - i > kMaxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

// nfc, fchg, smp and rtcc: an empty value (a file without the line) or one that is not a number
// counts as 0, as a decimal conversion does everywhere else; only a number outside the range is
// a fault worth a message.
struct Setting {
    int value = 0;
    bool number = false;
};
Setting SettingOf(std::string_view text) {
    const std::optional<int> value = SmallDecimal(text);
    return value ? Setting{*value, true} : Setting{};
}

bool InRange(const std::optional<int>& value, int low, int high) {
    return value && *value >= low && *value <= high;
}

void Add(std::vector<std::string>& messages, int id) {
    messages.push_back(res::TextCp932(id));
}

void AddUrlTooLong(std::vector<std::string>& messages) {
    messages.push_back(res::Format(res::TextCp932(ids::kUrlTooLong), kNfcUrlLimit));
}

}  // namespace

int NfcQueryListIndex(int query) {
    switch (query) {
        case kNfcQueryNone:
            return 2;
        case kNfcQueryPlain:
            return 1;
        default:
            return 0;
    }
}

int NfcQueryOfListIndex(int listIndex) {
    switch (listIndex) {
        case 1:
            return kNfcQueryPlain;
        case 2:
            return kNfcQueryNone;
        default:
            return kNfcQueryEncrypted;
    }
}

NdefText SplitNdefText(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) {
        return {std::string(text), "00"};
    }
    const std::size_t next = text.find(' ', space + 1);
    const std::size_t end = next == std::string_view::npos ? text.size() : next;
    return {std::string(text.substr(0, space)),
            std::string(text.substr(space + 1, end - space - 1))};
}

MiniSxNfcSettings DecodeNfcSettings(std::string_view mode, std::string_view query,
                                    std::string_view ndefText, std::vector<std::string>& messages) {
    MiniSxNfcSettings nfc;
    const Setting modeValue = SettingOf(mode);
    if (modeValue.value < kNfcModeNotDetected || modeValue.value > kNfcModeBrowser) {
        Add(messages, ids::kNfcDetectionInvalid);
        nfc.mode = kNfcModeBrowser;
        nfc.query = kNfcQueryEncrypted;
        return nfc;
    }
    nfc.mode = modeValue.value;
    const bool browser = nfc.mode == kNfcModeBrowser;

    const std::optional<int> queryValue = SmallDecimal(query);
    if (InRange(queryValue, kNfcQueryNone, kNfcQueryEncrypted)) {
        nfc.query = *queryValue;
    } else {
        if (browser) {
            Add(messages, ids::kNfcBrowserQueryInvalid);
        }
        nfc.query = kNfcQueryEncrypted;
    }

    NdefText split = SplitNdefText(ndefText);
    if (!IsHexadecimal(split.option) || HexValue(split.option) != 0) {
        // A record written by something else than this tool: showing its URL and writing it back
        // would lose what the option stands for.
        if (browser) {
            Add(messages, ids::kNfcFormatUnreadable);
        }
        return nfc;
    }
    if (static_cast<int>(split.url.size()) > kNfcUrlLimit) {
        if (browser) {
            AddUrlTooLong(messages);
        }
        return nfc;
    }
    if (!IsUrlText(split.url)) {
        if (browser) {
            Add(messages, ids::kUrlInvalidChars);
        }
        return nfc;
    }
    nfc.url = std::move(split.url);
    return nfc;
}

std::vector<std::string> ValidateNfcSettings(const MiniSxNfcSettings& nfc) {
    std::vector<std::string> messages;
    if (nfc.mode != kNfcModeBrowser) {
        return messages;
    }
    if (nfc.url.empty()) {
        Add(messages, ids::kUrlEmpty);
        return messages;
    }
    if (!IsUrlText(nfc.url)) {
        Add(messages, ids::kUrlInvalidChars);
    }
    if (static_cast<int>(nfc.url.size()) > kNfcUrlLimit) {
        AddUrlTooLong(messages);
    }
    if (nfc.query != kNfcQueryNone && !nfc.url.ends_with('?') && !nfc.url.ends_with('&')) {
        Add(messages, ids::kUrlQueryEnding);
    }
    return messages;
}

std::string NdefWriteLine(const MiniSxNfcSettings& nfc) {
    return res::TextCp932(ids::kCmdNdefSet) + " " + std::to_string(nfc.query) + " " + nfc.url;
}

SmartphoneChoice MiniSxSmartphoneDetection::Choice() const {
    if (mode != 2) {
        return SmartphoneChoice::Basic;
    }
    return variant == 2 ? SmartphoneChoice::SmartphoneSettings : SmartphoneChoice::KelTouch;
}

void MiniSxSmartphoneDetection::Choose(SmartphoneChoice choice) {
    switch (choice) {
        case SmartphoneChoice::Basic:
            mode = 0;
            break;
        case SmartphoneChoice::KelTouch:
            mode = 2;
            variant = 1;
            break;
        case SmartphoneChoice::SmartphoneSettings:
            mode = 2;
            variant = 2;
            break;
    }
}

MiniSxSmartphoneDetection DecodeSmartphoneDetection(std::string_view mode, std::string_view variant,
                                                    std::vector<std::string>& messages) {
    const Setting modeValue = SettingOf(mode);
    if (modeValue.value < 0 || modeValue.value > 2) {
        Add(messages, ids::kSmartphoneDetectionInvalid);
        return {};
    }
    const Setting variantValue = SettingOf(variant);
    if (variantValue.value >= 1 && variantValue.value <= 2) {
        return {modeValue.value, variantValue.value};
    }
    // A variant that is no number counts as 0, which has no choice either, but says nothing.
    if (modeValue.value == 2 && variantValue.number) {
        Add(messages, ids::kSmartphoneDetectionInvalid);
    }
    return {};
}

bool DecodeClockCheck(std::string_view value, std::vector<std::string>& messages) {
    const Setting parsed = SettingOf(value);
    if (parsed.value == 0 || parsed.value == 1) {
        return parsed.value == 1;
    }
    Add(messages, ids::kClockCheckInvalid);
    return false;
}

}  // namespace morvik

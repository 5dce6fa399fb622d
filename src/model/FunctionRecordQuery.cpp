#include "model/FunctionRecordQuery.h"

#include <algorithm>

#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

constexpr int kQueryFlagsMessage = res::ids::kQueryInvalid;

// The query flags check has two modes; the Mini family stores its flags under mode 0.
constexpr int kMiniQueryCheckMode = 0;

int AppendBit(PhoneGroup group) {
    return group == PhoneGroup::Docomo ? 0x1 : 0x4;
}
int EncryptBit(PhoneGroup group) {
    return group == PhoneGroup::Docomo ? 0x2 : 0x8;
}

}  // namespace

int ApplyQueryChoice(int flags, PhoneGroup group, QueryChoice choice) {
    switch (choice) {
        case QueryChoice::AppendEncrypted:
            return flags | AppendBit(group) | EncryptBit(group);
        case QueryChoice::AppendPlain:
            return (flags | AppendBit(group)) & ~EncryptBit(group);
        case QueryChoice::None:
            break;
    }
    return flags & ~(AppendBit(group) | EncryptBit(group));
}

QueryChoice QueryChoiceOf(int flags, PhoneGroup group) {
    if ((flags & AppendBit(group)) == 0) {
        return QueryChoice::None;
    }
    return (flags & EncryptBit(group)) != 0 ? QueryChoice::AppendEncrypted
                                            : QueryChoice::AppendPlain;
}

std::optional<int> ParseQueryFlags(std::string_view text) {
    // An unset key reads as an empty value; like the decimal conversion the terminal itself
    // uses, that means 0 (no query for anybody).
    if (text.empty()) {
        return 0;
    }
    // Anything but plain digits is refused rather than read as a prefix number, and so is a
    // negative value: its bits would claim queries that nobody chose.
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min(value * 10 + (c - '0'), 100);  // anything above 15 fails alike
    }
    if (!CheckQueryFlags(kMiniQueryCheckMode, value)) {
        return std::nullopt;
    }
    return value;
}

std::string FormatQueryFlags(int flags) {
    return std::to_string(flags);
}

std::string QueryFlagsMessage() {
    return res::TextCp932(kQueryFlagsMessage);
}

int QueryAllowance(QueryChoice choice) {
    switch (choice) {
        case QueryChoice::AppendEncrypted:
            return kEncryptedQueryAllowance;
        case QueryChoice::AppendPlain:
            return kPlainQueryAllowance;
        case QueryChoice::None:
            break;
    }
    return 0;
}

}  // namespace morvik

#include "model/FunctionRecordParse.h"

#include <string>

#include "model/Escape.h"
#include "model/TextExtract.h"
#include "model/Validators.h"

namespace morvik {
namespace {

// Fixed parts of the record layouts: where the variable fields begin.
constexpr size_t kBrowserTextStart = 5;
constexpr size_t kMailerTextStart = 11;
constexpr size_t kApplicationTextStart = 7;
constexpr size_t kTorucaTextStart = 23;
constexpr size_t kTorucaIconAt = 11;
constexpr size_t kTorucaKanaAt = 15;
constexpr size_t kTorucaRedistributionAt = 20;  // the digit of the two-character field
constexpr size_t kTorucaColorAt = 22;

// A piece of the text that is empty where the text is too short.
std::string Slice(std::string_view text, size_t at, size_t count) {
    if (at >= text.size()) {
        return {};
    }
    return std::string(text.substr(at, count));
}

std::string WithoutLeadingSpaces(std::string text) {
    size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// Walks the variable fields of a record: each one is cut with its unescaped length, a
// backslash pair of the stored form standing for one byte.
class FieldCutter {
  public:
    FieldCutter(std::string_view text, size_t start) : text_(text), position_(start) {}

    // The length written at position at ("%02x").
    static size_t LengthAt(std::string_view text, size_t at) {
        return static_cast<size_t>(HexValue(Slice(text, at, 2)));
    }

    // The next field, unescaped (free-text fields) or as stored (URLs, IP-ID). Once a field runs
    // past the end of the record, it and every later field stay empty: the bytes that are there
    // belong to the damaged field, not to the ones after it.
    std::string Next(size_t length, bool escaped) {
        if (ended_ || length == 0) {
            return {};
        }
        TakenCharacters taken = TakeEscapedCharacters(text_, position_, length);
        if (!taken.complete) {
            ended_ = true;
            return {};
        }
        position_ += taken.rawCount;
        return escaped ? Unescape(taken.piece) : taken.piece;
    }

  private:
    std::string_view text_;
    size_t position_;
    bool ended_ = false;
};

BrowserRecord ParseBrowser(std::string_view text) {
    size_t urlLength = FieldCutter::LengthAt(text, 1);
    size_t messageLength = FieldCutter::LengthAt(text, 3);
    FieldCutter cut(text, kBrowserTextStart);
    BrowserRecord r;
    r.url = cut.Next(urlLength, false);
    r.message = cut.Next(messageLength, true);
    return r;
}

MailerRecord ParseMailer(std::string_view text) {
    size_t lengths[5];
    for (size_t i = 0; i < 5; ++i) {
        lengths[i] = FieldCutter::LengthAt(text, 1 + 2 * i);
    }
    FieldCutter cut(text, kMailerTextStart);
    MailerRecord r;
    r.to = cut.Next(lengths[0], true);
    r.cc = cut.Next(lengths[1], true);
    r.subject = cut.Next(lengths[2], true);
    r.body = cut.Next(lengths[3], true);
    r.message = cut.Next(lengths[4], true);
    return r;
}

ApplicationRecord ParseApplication(std::string_view text) {
    size_t urlLength = FieldCutter::LengthAt(text, 1);
    size_t codeLength = FieldCutter::LengthAt(text, 3);
    size_t parameterLength = FieldCutter::LengthAt(text, 5);
    FieldCutter cut(text, kApplicationTextStart);
    ApplicationRecord r;
    r.url = cut.Next(urlLength, false);
    r.code = cut.Next(codeLength, true);
    r.parameter = cut.Next(parameterLength, true);
    return r;
}

TorucaRecord ParseToruca(std::string_view text) {
    size_t lengths[5];
    for (size_t i = 0; i < 5; ++i) {
        lengths[i] = FieldCutter::LengthAt(text, 1 + 2 * i);
    }
    TorucaRecord r;
    r.categoryIcon = WithoutLeadingSpaces(Slice(text, kTorucaIconAt, 4));
    r.kanaId = WithoutLeadingSpaces(Slice(text, kTorucaKanaAt, 4));
    r.redistributionId = WithoutLeadingSpaces(Slice(text, kTorucaRedistributionAt, 1));
    r.colorId = WithoutLeadingSpaces(Slice(text, kTorucaColorAt, 1));
    FieldCutter cut(text, kTorucaTextStart);
    r.detailUrl = cut.Next(lengths[0], false);
    r.data1 = cut.Next(lengths[1], true);
    r.data2 = cut.Next(lengths[2], true);
    r.data3 = cut.Next(lengths[3], true);
    r.ipId = cut.Next(lengths[4], false);
    return r;
}

}  // namespace

std::optional<FunctionRecord> ParseRecord(std::string_view text, PhoneGroup group) {
    if (text.empty()) {
        return std::nullopt;
    }
    auto kind = static_cast<RecordKind>(text[0]);
    if (!KindAllowed(kind, group)) {
        return std::nullopt;
    }
    switch (kind) {
        case RecordKind::Browser:
            return ParseBrowser(text);
        case RecordKind::Mailer:
            return ParseMailer(text);
        case RecordKind::Application:
            return ParseApplication(text);
        case RecordKind::Toruca:
            return ParseToruca(text);
    }
    return std::nullopt;
}

}  // namespace morvik

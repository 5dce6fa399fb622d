#include "model/SlimRecords.h"

#include <algorithm>
#include <cctype>

#include "model/Escape.h"
#include "model/SlimFieldChecks.h"
#include "model/TextExtract.h"
#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

std::string Hex2(std::size_t length) {
    return res::Format("%02x", static_cast<unsigned>(length));
}

// Walks an escaped record: lengths at fixed positions, then the fields one after the other.
class RecordCutter {
  public:
    explicit RecordCutter(std::string_view escaped) : text_(escaped) {}

    // The two-digit hexadecimal length at position (0 when the record is too short for it).
    int LengthAt(std::size_t position) const {
        if (position + 2 > text_.size()) {
            return 0;
        }
        return static_cast<int>(HexValue(text_.substr(position, 2)));
    }

    void StartFieldsAt(std::size_t position) { position_ = position; }

    // The next field of count characters as it stood before escaping. Once a field runs past the
    // end of the record, it and every later field stay empty instead of picking up bytes that
    // belong to no field.
    std::string Take(int count) {
        if (count <= 0 || ended_) {
            return {};
        }
        const TakenCharacters taken =
            TakeEscapedCharacters(text_, position_, static_cast<std::size_t>(count));
        if (!taken.complete) {
            ended_ = true;
            return {};
        }
        position_ += taken.rawCount;
        return Unescape(taken.piece);
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    bool ended_ = false;
};

std::string Uppercase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// Adds message id when check fails.
void Expect(bool ok, std::vector<std::string>& messages, int id) {
    if (!ok) {
        messages.push_back(SlimMessage(id));
    }
}

void ExpectLength(std::string_view text, int limit, std::vector<std::string>& messages, int id) {
    if (SlimLength(text) > limit) {
        messages.push_back(SlimLimitMessage(id, limit));
    }
}

}  // namespace

int SlimCapacity(SlimRecordKind kind, bool queryOn, bool encrypted) {
    int capacity = kSlimBrowserCapacity;
    if (kind == SlimRecordKind::Toruca) {
        capacity = kSlimTorucaCapacity;
    } else if (kind == SlimRecordKind::Mailer) {
        capacity = kSlimMailerCapacity;
    }
    if (queryOn) {
        capacity -= encrypted ? kSlimEncryptedQueryAllowance : kSlimPlainQueryAllowance;
    }
    return capacity;
}

int SlimRecordSum(const BrowserRecord& record) {
    return SlimLength(record.url) + SlimLength(record.message);
}

int SlimRecordSum(const SlimTorucaRecord& record) {
    return SlimLength(record.detailUrl) + SlimLength(record.data1) + SlimLength(record.data2) +
           SlimLength(record.data3);
}

int SlimRecordSum(const MailerRecord& record) {
    return SlimLength(record.to) + SlimLength(record.cc) + SlimLength(record.subject) +
           SlimLength(record.body) + SlimLength(record.message);
}

std::string SlimIconForRecord(std::string_view typed) {
    std::string icon = Uppercase(typed);
    if (icon.starts_with("0X")) {
        // Only what the hexadecimal check looked at: the digits after the prefix up to the first
        // space. Anything after a space would be written into the record and fail on reading.
        const std::size_t space = icon.find(' ', 2);
        icon = icon.substr(2, space == std::string::npos ? std::string::npos : space - 2);
    }
    return icon;
}

std::string BuildSlimRecord(const BrowserRecord& record) {
    return std::string(1, static_cast<char>(SlimRecordKind::Browser)) + Hex2(record.url.size()) +
           Hex2(record.message.size()) + record.url + record.message;
}

std::string BuildSlimRecord(const SlimTorucaRecord& record) {
    std::string icon = SlimIconForRecord(record.categoryIcon);
    if (icon.size() < 4) {
        icon.insert(0, 4 - icon.size(), ' ');
    }
    return std::string(1, static_cast<char>(SlimRecordKind::Toruca)) +
           Hex2(record.detailUrl.size()) + Hex2(record.data1.size()) + Hex2(record.data2.size()) +
           Hex2(record.data3.size()) + icon + record.detailUrl + record.data1 + record.data2 +
           record.data3;
}

std::string BuildSlimRecord(const MailerRecord& record) {
    return std::string(1, static_cast<char>(SlimRecordKind::Mailer)) + Hex2(record.to.size()) +
           Hex2(record.cc.size()) + Hex2(record.subject.size()) + Hex2(record.body.size()) +
           Hex2(record.message.size()) + record.to + record.cc + record.subject + record.body +
           record.message;
}

BrowserRecord ParseSlimBrowserRecord(std::string_view escaped) {
    RecordCutter cutter(escaped);
    const int urlLength = cutter.LengthAt(1);
    const int messageLength = cutter.LengthAt(3);
    cutter.StartFieldsAt(5);
    BrowserRecord record;
    record.url = cutter.Take(urlLength);
    record.message = cutter.Take(messageLength);
    return record;
}

SlimTorucaRecord ParseSlimTorucaRecord(std::string_view escaped) {
    RecordCutter cutter(escaped);
    const int urlLength = cutter.LengthAt(1);
    const int data1Length = cutter.LengthAt(3);
    const int data2Length = cutter.LengthAt(5);
    const int data3Length = cutter.LengthAt(7);
    cutter.StartFieldsAt(9);
    SlimTorucaRecord record;
    // The icon was right-aligned with spaces when the record was built; a short icon such as
    // "1F" comes back as "  1F" and would fail the hexadecimal check with its padding.
    std::string icon = cutter.Take(4);
    record.categoryIcon = icon.substr(std::min(icon.find_first_not_of(' '), icon.size()));
    record.detailUrl = cutter.Take(urlLength);
    record.data1 = cutter.Take(data1Length);
    record.data2 = cutter.Take(data2Length);
    record.data3 = cutter.Take(data3Length);
    return record;
}

MailerRecord ParseSlimMailerRecord(std::string_view escaped) {
    RecordCutter cutter(escaped);
    const int toLength = cutter.LengthAt(1);
    const int ccLength = cutter.LengthAt(3);
    const int subjectLength = cutter.LengthAt(5);
    const int bodyLength = cutter.LengthAt(7);
    const int messageLength = cutter.LengthAt(9);
    cutter.StartFieldsAt(11);
    MailerRecord record;
    record.to = cutter.Take(toLength);
    record.cc = cutter.Take(ccLength);
    record.subject = cutter.Take(subjectLength);
    record.body = cutter.Take(bodyLength);
    record.message = cutter.Take(messageLength);
    return record;
}

void CheckReadSlimRecord(const BrowserRecord& record, std::vector<std::string>& messages) {
    Expect(!record.url.empty(), messages, ids::kUrlEmpty);
    Expect(SlimCharsOk(SlimCharClass::Url, record.url), messages, ids::kUrlInvalidChars);
    ExpectLength(record.url, slim_limits::kBrowserUrl, messages, ids::kUrlTooLong);
    Expect(SlimCharsOk(SlimCharClass::DeviceTextLines, record.message), messages,
           ids::kBrowserMessageInvalidChars);
    ExpectLength(record.message, slim_limits::kBrowserMessage, messages,
                 ids::kBrowserMessageTooLong);
}

void CheckReadSlimRecord(const SlimTorucaRecord& record, std::vector<std::string>& messages) {
    Expect(!record.detailUrl.empty(), messages, ids::kTorucaUrlEmpty);
    ExpectLength(record.detailUrl, slim_limits::kTorucaDetailUrl, messages, ids::kTorucaUrlTooLong);
    Expect(SlimCharsOk(SlimCharClass::Url, record.detailUrl), messages,
           ids::kTorucaUrlInvalidChars);
    Expect(IsHexadecimal(record.categoryIcon), messages, ids::kCategoryIconInvalid);
    ExpectLength(record.data1, slim_limits::kTorucaData1, messages, ids::kData1TooLong);
    Expect(SlimCharsOk(SlimCharClass::DeviceText, record.data1), messages, ids::kData1InvalidChars);
    ExpectLength(record.data2, slim_limits::kTorucaData2, messages, ids::kData2TooLong);
    Expect(SlimCharsOk(SlimCharClass::DeviceTextLines, record.data2), messages,
           ids::kData2InvalidChars);
    ExpectLength(record.data3, slim_limits::kTorucaData3, messages, ids::kData3TooLong);
    Expect(SlimCharsOk(SlimCharClass::DeviceText, record.data3), messages, ids::kData3InvalidChars);
}

void CheckReadSlimRecord(const MailerRecord& record, std::vector<std::string>& messages) {
    Expect(!record.to.empty(), messages, ids::kMailToEmpty);
    ExpectLength(record.to, slim_limits::kMailerTo, messages, ids::kMailToTooLong);
    Expect(SlimCharsOk(SlimCharClass::PrintableAscii, record.to), messages,
           ids::kMailToInvalidChars);
    ExpectLength(record.cc, slim_limits::kMailerCc, messages, ids::kMailCcTooLong);
    Expect(SlimCharsOk(SlimCharClass::PrintableAscii, record.cc), messages,
           ids::kMailCcInvalidChars);
    ExpectLength(record.subject, slim_limits::kMailerSubject, messages, ids::kMailSubjectTooLong);
    Expect(SlimCharsOk(SlimCharClass::DeviceText, record.subject), messages,
           ids::kMailSubjectInvalidChars);
    ExpectLength(record.body, slim_limits::kMailerBody, messages, ids::kMailBodyTooLong);
    Expect(SlimCharsOk(SlimCharClass::DeviceTextLines, record.body), messages,
           ids::kMailBodyInvalidChars);
    ExpectLength(record.message, slim_limits::kMailerMessage, messages, ids::kMailerMessageTooLong);
    Expect(SlimCharsOk(SlimCharClass::DeviceTextLines, record.message), messages,
           ids::kMailerMessageInvalidChars);
}

}  // namespace morvik

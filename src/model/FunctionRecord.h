#pragma once
// Function records of the Mini family: the packed text that tells a terminal what a touching
// phone is made to do. One record per phone group (docomo: keys psA1/psA2, au/SoftBank/WILLCOM:
// psB1/psB2) and settings set, plus one query-flags value per set (que1/que2).
//
// Every text here is code page 932 bytes, as the user typed it (not escaped). Lengths are byte
// counts of that code page: a full-width character counts 2.

#include <string>
#include <variant>

namespace morvik {

// The two phone groups of a set. Docomo phones read the psA record, all others the psB record.
enum class PhoneGroup { Docomo, Other };

// The function of a record; the value is the record's first character.
enum class RecordKind : char {
    Browser = '0',
    Mailer = '2',
    Application = '3',
    Toruca = '4',
};

// Browser launch: the phone opens url; message is a short text that travels with it.
struct BrowserRecord {
    std::string url;
    std::string message;
    bool operator==(const BrowserRecord&) const = default;
};

// Mailer launch: the phone starts a mail to To (and CC) with subject and body.
struct MailerRecord {
    std::string to;
    std::string cc;
    std::string subject;
    std::string body;
    std::string message;
    bool operator==(const MailerRecord&) const = default;
};

// Application (i-appli) launch.
struct ApplicationRecord {
    std::string url;
    std::string code;       // 識別コード
    std::string parameter;  // 起動パラメータ
    bool operator==(const ApplicationRecord&) const = default;
};

// Toruca distribution (docomo only). categoryIcon, kanaId, redistributionId and colorId are
// the fixed-width fields of the record; the others are counted in its total size.
struct TorucaRecord {
    std::string detailUrl;
    std::string categoryIcon;  // hexadecimal, up to 4 digits ("1f" or "0x1f" as typed)
    std::string data1;
    std::string data2;  // may hold CR LF
    std::string data3;
    std::string ipId;
    std::string kanaId;            // two full-width katakana, or empty
    std::string redistributionId;  // 再配布・更新識別子, one digit or empty
    std::string colorId;           // 色ID, one digit or empty
    bool operator==(const TorucaRecord&) const = default;
};

using FunctionRecord = std::variant<BrowserRecord, MailerRecord, ApplicationRecord, TorucaRecord>;

RecordKind KindOf(const FunctionRecord& record);

// True when the group's function selector offers the kind (docomo: browser, Toruca,
// application; other group: browser, mailer, application).
bool KindAllowed(RecordKind kind, PhoneGroup group);

// Position of a kind in the group's function selector (0, 1 or 2), or -1 when the group does
// not offer it; and the inverse (an index outside 0..2 gives the browser).
int SelectorIndexOf(RecordKind kind, PhoneGroup group);
RecordKind KindAtSelectorIndex(int index, PhoneGroup group);

// The entries of a group's query selector, in list order.
enum class QueryChoice {
    AppendEncrypted = 0,  // 付加する(暗号化する)
    AppendPlain = 1,      // 付加する(暗号化しない)
    None = 2,             // 付加しない
};

// True for the kinds whose page has a query selector (all but the application launch).
bool KindHasQuery(RecordKind kind);

}  // namespace morvik

#pragma once
// Function records of the Slim: the packed texts of psh1 and psh2. A record is one kind character,
// one two-digit lower-case hexadecimal length per text field and the fields back to back. The
// browser and mailer records share their layouts with the Mini family; the Toruca record is the
// Slim's own (kind "1", no IP-ID, kana ID or other fixed fields besides the category icon).
//
// Record texts built here are raw: the lengths count the code page 932 bytes as typed, and the
// whole record is escaped afterwards (SlimSettings does that). Records read back arrive escaped
// and are cut field by field before each field is unescaped.

#include <string>
#include <string_view>
#include <vector>

#include "model/FunctionRecord.h"

namespace morvik {

// The first character of a Slim record.
enum class SlimRecordKind : char {
    Browser = '0',
    Toruca = '1',
    Mailer = '2',
};

// Toruca distribution on a Slim.
struct SlimTorucaRecord {
    std::string detailUrl;
    std::string categoryIcon;  // hexadecimal, one to four digits ("1f" or "0x1f" as typed)
    std::string data1;
    std::string data2;  // may hold CR LF
    std::string data3;
    bool operator==(const SlimTorucaRecord&) const = default;
};

// The most bytes each field takes.
namespace slim_limits {
inline constexpr int kBrowserUrl = 184;
inline constexpr int kBrowserMessage = 183;
inline constexpr int kTorucaDetailUrl = 173;
inline constexpr int kTorucaIcon = 4;
inline constexpr int kTorucaData1 = 40;
inline constexpr int kTorucaData2 = 100;
inline constexpr int kTorucaData3 = 20;
inline constexpr int kMailerTo = 40;
inline constexpr int kMailerCc = 40;
inline constexpr int kMailerSubject = 40;
inline constexpr int kMailerBody = 98;
inline constexpr int kMailerMessage = 32;
}  // namespace slim_limits

// Record capacity: the most bytes all counted fields of a record may hold together. A query the
// terminal appends to the launch takes room from it.
inline constexpr int kSlimBrowserCapacity = 184;
inline constexpr int kSlimTorucaCapacity = 173;
inline constexpr int kSlimMailerCapacity = 178;
inline constexpr int kSlimEncryptedQueryAllowance = 54;
inline constexpr int kSlimPlainQueryAllowance = 34;

// The capacity of a record kind with its query switch and the encryption box as given.
int SlimCapacity(SlimRecordKind kind, bool queryOn, bool encrypted);

// The byte counts that count against the capacity (the category icon does not count).
int SlimRecordSum(const BrowserRecord& record);
int SlimRecordSum(const SlimTorucaRecord& record);
int SlimRecordSum(const MailerRecord& record);

// The category icon as a record carries it: upper case, a leading "0X" removed (with anything
// from the first space on), before it is right-aligned in four characters.
std::string SlimIconForRecord(std::string_view typed);

// Raw record texts (not escaped).
std::string BuildSlimRecord(const BrowserRecord& record);
std::string BuildSlimRecord(const SlimTorucaRecord& record);
std::string BuildSlimRecord(const MailerRecord& record);

// Cut an escaped record (as a terminal answers it or a file holds it) into unescaped fields. The
// kind character is not looked at. The category icon comes back without its padding spaces.
// A record that ends early leaves the fields it does not hold empty.
BrowserRecord ParseSlimBrowserRecord(std::string_view escaped);
SlimTorucaRecord ParseSlimTorucaRecord(std::string_view escaped);
MailerRecord ParseSlimMailerRecord(std::string_view escaped);

// The checks of a record read back from a terminal or a file: each failure appends its message
// (code page 932) and the checks go on.
void CheckReadSlimRecord(const BrowserRecord& record, std::vector<std::string>& messages);
void CheckReadSlimRecord(const SlimTorucaRecord& record, std::vector<std::string>& messages);
void CheckReadSlimRecord(const MailerRecord& record, std::vector<std::string>& messages);

}  // namespace morvik

#pragma once
// The field rules of function records: what a page must satisfy before a record is written to
// a terminal or a settings file, and the total-size rule behind the "合計サイズ" counter.
//
// Messages are code page 932 texts. Validation never stops at the first fault: every failing
// rule adds its own line, in a fixed order per kind, and the caller shows them together.

#include <string>
#include <string_view>
#include <vector>

#include "model/FunctionRecord.h"

namespace morvik {

// Entry limits of the fields (bytes): the edit fields stop taking input here.
namespace record_limits {
constexpr int kBrowserUrl = 184;
constexpr int kBrowserMessage = 183;
constexpr int kMailerTo = 40;
constexpr int kMailerCc = 40;
constexpr int kMailerSubject = 40;
constexpr int kMailerBody = 98;
constexpr int kMailerMessage = 32;
constexpr int kApplicationUrlEntry = 181;  // typing stops here ...
constexpr int kApplicationUrl = 182;       // ... validation allows one more
constexpr int kApplicationCode = 6;
constexpr int kApplicationParameter = 181;
constexpr int kTorucaDetailUrl = 165;
constexpr int kTorucaCategoryIcon = 4;
constexpr int kTorucaData1 = 40;
constexpr int kTorucaData2 = 100;
constexpr int kTorucaData3 = 20;
constexpr int kTorucaIpId = 30;
constexpr int kTorucaKanaId = 4;  // bytes: two full-width katakana
constexpr int kTorucaKanaCharacters = 2;
constexpr int kTorucaRedistributionId = 1;
constexpr int kTorucaColorId = 1;

constexpr int kBrowserTotal = 184;
constexpr int kMailerTotal = 178;
constexpr int kApplicationTotal = 182;
constexpr int kTorucaTotal = 165;
}  // namespace record_limits

// All messages of a page, in the order the editor shows them. query is the page's query
// selector (ignored for the application launch, which has none).
std::vector<std::string> ValidateRecord(const FunctionRecord& record, QueryChoice query);

// The total a record may use: the kind's limit less the room an appended query takes.
int TotalLimit(RecordKind kind, QueryChoice query);

// The total as validation counts it: each counted field measured as its length test measures
// it (the multi-line and message fields in their check-escaped form).
int ValidationSize(const FunctionRecord& record);

// The total as the live "合計サイズ" counter shows it: the raw texts, except that the
// application page counts its code and parameter unescaped, so that an escape sequence typed by
// the user counts as the one character it stands for.
int CounterSize(const FunctionRecord& record);

// Kana ID rule: empty, or exactly two full-width katakana (lead byte 0x83, trail 0x40-0x96).
bool IsKanaId(std::string_view text);

// The query ending message of the kind's page (browser or Toruca), example addresses included.
std::string QueryEndingMessage(RecordKind kind);

}  // namespace morvik

#pragma once
// Query flags of a set (keys que1/que2): whether the terminal appends a query to the URL it
// hands to a phone, and whether that query is encrypted, for each phone group.
//
//   bit 0  docomo group: append a query      bit 2  other group: append a query
//   bit 1  docomo group: encrypt the query   bit 3  other group: encrypt the query

#include <optional>
#include <string>
#include <string_view>

#include "model/FunctionRecord.h"

namespace morvik {

// The flags after the group's query selector was set to choice. "付加しない" clears the
// group's encrypt bit as well as its append bit: an encrypt bit without its append bit means
// nothing to the terminal, and for the docomo group it makes a value (2, 6, 10, 14) that the
// query flags check refuses, so the tool's own next read would report a false 961.
int ApplyQueryChoice(int flags, PhoneGroup group, QueryChoice choice);

// The selector entry that a group shows for stored flags: append and encrypt give
// "付加する(暗号化する)", append alone "付加する(暗号化しない)", no append "付加しない".
QueryChoice QueryChoiceOf(int flags, PhoneGroup group);

// Reads a stored query value (decimal text). Returns the flags, or std::nullopt when the text
// is not a decimal number or the flags fail the query flags check (mode 0, the Mini family's);
// the caller reports 961 (QueryFlagsMessage).
std::optional<int> ParseQueryFlags(std::string_view text);

// The value written for the flags ("0".."15").
std::string FormatQueryFlags(int flags);

// 961 "クエリの設定値が不正です。" (code page 932).
std::string QueryFlagsMessage();

// How much room an appended query takes from a record's total size.
constexpr int kEncryptedQueryAllowance = 75;
constexpr int kPlainQueryAllowance = 47;
int QueryAllowance(QueryChoice choice);

}  // namespace morvik

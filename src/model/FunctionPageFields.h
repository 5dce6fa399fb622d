#pragma once
// The fields of the four function pages (browser, Toruca, application, mailer), as a table that
// one form draws and binds: label, entry limit in code page 932 bytes, the message shown when a
// field is full, one line or several, and whether the field counts toward the page's
// "合計サイズ". The Mini/MiniS and MiniSx windows draw their pages from this one table.

#include <span>
#include <string>

#include "model/FunctionRecordSet.h"

namespace morvik {

struct PageFieldSpec {
    int labelId;          // string table entry of the label
    int limit;            // the field takes no more bytes than this
    int lengthMessageId;  // shown, formatted with limitShown, when a field is full
    int limitShown;       // the number the length message names (the kana ID names 2 characters)
    bool multiLine;
    bool counted;  // part of the page's total size
    // The text the field edits, inside a group's functions.
    std::string& (*text)(GroupFunctions& group);
};

struct PageSpec {
    RecordKind kind;
    bool hasQuery;
    bool opensTorucaFile;
    std::span<const PageFieldSpec> fields;
};

// The page of a kind.
const PageSpec& FunctionPageSpec(RecordKind kind);

// The three kinds of a group's selector, in list order (docomo: browser, Toruca, application;
// other: browser, mailer, application).
std::span<const RecordKind> GroupPageKinds(PhoneGroup group);

// The string table entries of a group's function selector, in list order.
std::span<const int> GroupSelectorTextIds(PhoneGroup group);

// The query selector of a page (the application page has none: it answers None).
QueryChoice PageQuery(const GroupFunctions& group, RecordKind kind);
void SetPageQuery(GroupFunctions& group, RecordKind kind, QueryChoice query);

// The record the page of a kind shows, from a group's fields.
FunctionRecord PageRecord(const GroupFunctions& group, RecordKind kind);

// The first bytes of a code page 932 text, never cutting a double-byte character in two.
std::string Cp932Prefix(const std::string& text, std::size_t bytes);

}  // namespace morvik

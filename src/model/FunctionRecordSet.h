#pragma once
// The function settings of one settings set (設定1 or 設定2) of a Mini-family terminal: the
// docomo group's record (key psA1/psA2), the other group's record (psB1/psB2) and the set's
// query flags (que1/que2). This is what a settings model holds per set, and what the read and
// write sessions and the settings file turn into key values and back.
//
// Usage:
//   FunctionSet set;                                  // as an editor opens: browser pages
//   SetLoadResult r = LoadFunctionSet(set, psA, psB, que);     // from a terminal or a file
//   if (!r.recordsReadable) ...  // terminal: a warning (911 is in r.messages); file: load fails
//   std::vector<std::string> problems = ValidateFunctionSet(set);  // before a write or save
//   std::string psA = BuildGroupRecord(set, PhoneGroup::Docomo, RecordTarget::Terminal);
//   std::string que = FormatQueryFlags(BuildQueryFlags(set));
//
// A group keeps the fields of all its pages, not only the selected one, as the editor does:
// switching a group's function and back loses nothing, and copying a set copies every page.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/FunctionRecord.h"
#include "model/FunctionRecordBuild.h"

namespace morvik {

// One phone group of a set. The docomo group uses browser, toruca and application; the other
// group browser, mailer and application (the unused page simply stays empty).
struct GroupFunctions {
    RecordKind selected = RecordKind::Browser;
    BrowserRecord browser;
    TorucaRecord toruca;
    MailerRecord mailer;
    ApplicationRecord application;
    // Each page with a query has its own query selector.
    QueryChoice browserQuery = QueryChoice::None;
    QueryChoice torucaQuery = QueryChoice::None;
    QueryChoice mailerQuery = QueryChoice::None;

    // The record of the selected page, and its query selector (None for the application).
    FunctionRecord SelectedRecord() const;
    QueryChoice SelectedQuery() const;

    // Puts a record on its page and selects that page.
    void Select(const FunctionRecord& record);
    // Sets the query selector of every page of the group.
    void SetQuery(QueryChoice query);

    bool operator==(const GroupFunctions&) const = default;
};

struct FunctionSet {
    GroupFunctions docomo;  // psA
    GroupFunctions other;   // psB
    // The query flags as last read; a write applies the selected pages' selectors to them.
    int queryFlags = 0;

    GroupFunctions& Group(PhoneGroup group) { return group == PhoneGroup::Docomo ? docomo : other; }
    const GroupFunctions& Group(PhoneGroup group) const {
        return group == PhoneGroup::Docomo ? docomo : other;
    }
    bool operator==(const FunctionSet&) const = default;
};

// The Toruca identifiers a settings file keeps beside the docomo record (keys psA1-kanaID,
// psA1-reID, psA1-colorID and the same for psA2), as plain texts.
struct TorucaExtras {
    std::string kanaId;
    std::string redistributionId;
    std::string colorId;
};

struct SetLoadResult {
    // False when a record's first character is not a function its group offers; that group
    // keeps its previous selection and fields.
    bool recordsReadable = true;
    // Every message, in order: psA's (911 or its field rules), psB's, then 961 for bad flags.
    std::vector<std::string> messages;
};

// Fills a set from stored values (the form a settings file holds and a Mini-family terminal
// answers). The query selectors of each group follow the flags; flags that fail their check
// add 961 and leave the set's flags and selectors as they were. When extras are given (file
// loads) and the docomo record is a Toruca record, they replace its three identifiers. Each
// record that was read is then checked by the field rules with its group's query selector, so
// that a page shows its faults after loading; the values are kept all the same.
SetLoadResult LoadFunctionSet(FunctionSet& set, std::string_view psA, std::string_view psB,
                              std::string_view que,
                              const std::optional<TorucaExtras>& extras = std::nullopt);

// The record text of a group's selected page.
std::string BuildGroupRecord(const FunctionSet& set, PhoneGroup group, RecordTarget target);

// The flags to write: the stored flags with each group's selected query selector applied (an
// application launch leaves its group's bits as they are).
int BuildQueryFlags(const FunctionSet& set);

// The identifiers of the docomo Toruca page, for the settings file's extra keys.
TorucaExtras TorucaExtrasOf(const FunctionSet& set);

// All messages of the set's selected pages: the docomo group's, then the other group's.
std::vector<std::string> ValidateFunctionSet(const FunctionSet& set);

}  // namespace morvik

#pragma once
// The rules of the Mini/MiniS settings windows that decide something: the "合計サイズ" counter of
// a page, the enabling of 設定/再起動 and ファイルに保存, the copy between the two sets, the note
// line under the tabs and the counter of the easy and service windows. The windows show what
// these decide; no rule lives in a widget.

#include <span>
#include <string>
#include <vector>

#include "model/FunctionPageFields.h"
#include "model/LampRowChoices.h"
#include "model/MiniSettings.h"

namespace morvik {

// What a page's counter shows: "%d / %d Bytes", red while over.
struct PageCounter {
    int used = 0;
    int limit = 0;
    bool over = false;
    bool operator==(const PageCounter&) const = default;
};

// The counter of the page of kind in a group: the counted fields (the application page counts
// its code and parameter unescaped) against the kind's limit less the room the page's query
// selector takes.
PageCounter CountPage(const GroupFunctions& group, RecordKind kind);

// The counter's text, "%d / %d Bytes" (UTF-8).
std::string CounterText(const PageCounter& counter);

// True when 設定/再起動 and ファイルに保存 may be pressed: no selected page of either group of
// the sets is over its limit. Pages that are not selected do not count.
bool MiniWriteButtonsEnabled(const MiniSettings& settings);
// The same for any number of sets (the MiniSx windows hold theirs differently).
bool SetsWithinLimits(std::span<const FunctionSet> sets);

// The copy button of a set page: into the other set go both group selections and every page
// (texts and query selectors), the set's six event lamps and their list selections, the set's
// two periodic guidance lamps (AC and battery) and their selections, and the set's six sound
// paths. The other set's query flags take the source's as well.
void CopyMiniSet(int fromSet, MiniSettings& settings, MiniLampChoices& choices);

// The messages that stop a write or a save of a detailed window, each naming where its fault is
// on the window: "設定1 / docomo設定: URLが設定されていません。..." for the selected page of a
// group of the set on tab setTabIds[i], "本体設定: ..." (placed) for the messages of other pages.
struct PlacedProblems {
    std::vector<std::string> lines;  // code page 932, one message each
    void AddSets(std::span<const FunctionSet> sets, std::span<const int> setTabIds);
    void Add(int tabId, const std::vector<std::string>& messages);
};

// The string table entry of the note line: 124 when the sounds are registered, 125 otherwise.
int MiniSoundNoteId(const MiniSettings& settings);

// The counter of the easy and service windows: URL and message (bytes, as typed) against the
// window's total limit.
PageCounter CountQuickTexts(const std::string& url, const std::string& message, int totalLimit);

// The periodic guidance lamp rows and sound slots that belong to a set.
inline constexpr std::size_t kGuidanceRowsPerSet = 2;
inline constexpr std::size_t kSoundSlotsPerSet = kMiniSoundSlots / 2;

}  // namespace morvik

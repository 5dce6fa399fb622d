#pragma once
// What the Slim settings window shows for an editor state: which record groups take input, the
// size of each record against its capacity, whether writing and saving are allowed, the function
// summary and the body behaviour summary. The window binds its widgets to this; it decides
// nothing itself.
//
// The service window is the same editor in a reduced form: only 機能1 and 機能2, no mailer, the
// query switches fixed on and encrypted, its fields preset from the preferences.

#include <array>
#include <string>
#include <vector>

#include "model/SlimSettings.h"

namespace morvik {

enum class SlimEditorMode { Normal, Service };

struct SlimGroupView {
    bool enabled = false;           // the group's edits (and the Toruca file button)
    bool queryPairEnabled = false;  // its "付加する" / "付加しない" pair
    int sum = 0;
    int capacity = 0;
    bool over = false;  // drawn in red; blocks writing and saving while the group is enabled
};

struct SlimEditorView {
    SlimGroupView browser;
    SlimGroupView toruca;
    SlimGroupView mailer;
    bool writeAllowed = true;   // "設定の書き込み" and "ファイルに保存"
    std::string docomoSummary;  // code page 932
    std::string othersSummary;
    std::string description;
    // "ON" / "OFF" of 待機ランプ, 失敗ランプ, 失敗ブザー, 電圧低下ブザー, その他ブザー.
    std::array<std::string, 5> behaviourTexts;

    const SlimGroupView& Group(SlimRecordKind kind) const;
};

SlimEditorView ViewSlimEditor(const SlimEditorState& state, SlimEditorMode mode);

// The functions the window's list offers, in list order.
std::vector<SlimFunction> SlimOfferedFunctions(SlimEditorMode mode);

// The service values of the preferences, as the preferences keep them.
struct SlimServicePresets {
    std::string browserUrl;
    std::string browserMessage;  // escaped, as it travels
    std::string torucaUrl;
    std::string torucaIcon;
};

// The state a service window starts from: 機能1, the presets, encrypted queries on for the
// browser and Toruca records, every behaviour on.
SlimEditorState SlimServiceStartState(const SlimServicePresets& presets);

}  // namespace morvik

#pragma once
// The settings of a Slim terminal: the editor's state (function, records, query switches,
// behaviour boxes) and the five values that travel to the terminal and into settings files.
//
//   SlimEditorState --BuildSlimSettings--> SlimSettings --(pset / file lines)--> terminal
//   SlimEditorState <--DecodeSlimSettings-- SlimSettings <--(pget / file lines)-- terminal
//
// SlimSettings holds every value in the form it travels: escaped (psh1 and psh2 carry the
// transfer escape; the numbers need none). A session sends it as it stands ("pset", key, value;
// "pclr", key for an empty value) and stores what "pget" answers as it stands.

#include <string>
#include <vector>

#include "model/SlimRecords.h"

namespace morvik {

// The four functions the editor offers, in list order (機能1 to 機能4).
enum class SlimFunction {
    Browser = 0,        // 機能1: browser launch for every handset
    TorucaBrowser = 1,  // 機能2: NTT docomo Toruca, others browser
    BrowserMailer = 2,  // 機能3: NTT docomo browser, others mailer
    TorucaMailer = 3,   // 機能4: NTT docomo Toruca, others mailer
};

inline constexpr int kSlimFunctionCount = 4;

// What a function writes: func and the record kinds of psh1 and psh2.
struct SlimFunctionLayout {
    int func;             // 0 or 1
    SlimRecordKind psh1;  // NTT docomo handsets (every handset for 機能1)
    SlimRecordKind psh2;  // other handsets; for 機能1 the summary shows the browser again
    bool writesPsh2;      // 機能1 writes no psh2 (and leaves one on the terminal alone)
};

const SlimFunctionLayout& LayoutOf(SlimFunction function);

// The behaviour boxes; a checked box (true) is a behaviour switched on, a clear disp bit.
struct SlimBehaviour {
    bool waitingLamp = true;        // bit 0, 待機時ランプ
    bool buzzer = true;             // bit 1, ブザー
    bool failureLampBuzzer = true;  // bit 2, 失敗時ランプ・ブザー
    bool lowVoltageBuzzer = true;   // bit 3, 電圧低下時ブザー
    bool operator==(const SlimBehaviour&) const = default;
};

int DispFromBehaviour(const SlimBehaviour& behaviour);
SlimBehaviour BehaviourFromDisp(int disp);

// The five ON/OFF indications of the "本体動作" summary.
struct SlimBehaviourSummary {
    bool waitingLamp;       // 待機ランプ
    bool failureLamp;       // 失敗ランプ
    bool failureBuzzer;     // 失敗ブザー: the buzzer and the failure behaviour both on
    bool lowVoltageBuzzer;  // 電圧低下ブザー
    bool otherBuzzer;       // その他ブザー
    bool operator==(const SlimBehaviourSummary&) const = default;
};

SlimBehaviourSummary SummarizeBehaviour(const SlimBehaviour& behaviour);

// "ON" or "OFF" (code page 932).
const std::string& SlimOnOffText(bool on);

// Everything the Slim editor shows. Field texts are code page 932 as typed (not escaped).
struct SlimEditorState {
    SlimFunction function = SlimFunction::Browser;
    BrowserRecord browser;
    SlimTorucaRecord toruca;
    MailerRecord mailer;
    bool browserQuery = false;  // "付加する" of each record kind's query switch
    bool torucaQuery = false;
    bool mailerQuery = false;
    bool encryptQuery = false;  // "クエリを暗号化する"
    SlimBehaviour behaviour;
    bool operator==(const SlimEditorState&) const = default;

    bool QueryOn(SlimRecordKind kind) const;
    void SetQuery(SlimRecordKind kind, bool on);
};

// The record kinds whose groups a function enables, in the order browser, Toruca, mailer.
std::vector<SlimRecordKind> EnabledKinds(SlimFunction function);

// The capacity and the sum of a record kind in this state.
int SlimCapacityOf(const SlimEditorState& state, SlimRecordKind kind);
int SlimSumOf(const SlimEditorState& state, SlimRecordKind kind);

// The raw record of a kind built from the state's fields.
std::string BuildSlimRecordOf(const SlimEditorState& state, SlimRecordKind kind);

// que from the query switches of the function's record kinds and the encryption box.
int BuildSlimQue(const SlimEditorState& state);

// Sets the query switches of the function's record kinds and the encryption box from que.
void ApplySlimQue(int que, SlimEditorState& state);

// The values as they travel, in escaped form.
struct SlimSettings {
    std::string func;
    std::string que;
    std::string psh1;
    std::string psh2;  // empty when the function writes no psh2
    std::string disp;
    bool operator==(const SlimSettings&) const = default;
};

// The values of the editor state. For 機能1 psh2 is empty and must not be sent.
SlimSettings BuildSlimSettings(const SlimEditorState& state);

// The editor state decoded from read values, with the message of every failed check in the
// order the checks ran (disp, func, records, que). A value from a terminal that fails its check
// is still placed in the state; a settings file with any message is refused as a whole.
struct SlimDecoded {
    SlimEditorState state;
    std::vector<std::string> messages;  // code page 932, one per failed check
};

SlimDecoded DecodeSlimSettings(const SlimSettings& values);

}  // namespace morvik

#include "model/SlimSettings.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/Escape.h"
#include "model/SlimFieldChecks.h"
#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::array<SlimFunctionLayout, kSlimFunctionCount> kLayouts = {{
    {0, SlimRecordKind::Browser, SlimRecordKind::Browser, false},
    {1, SlimRecordKind::Toruca, SlimRecordKind::Browser, true},
    {1, SlimRecordKind::Browser, SlimRecordKind::Mailer, true},
    {1, SlimRecordKind::Toruca, SlimRecordKind::Mailer, true},
}};

// que bits: append and encrypt for psh1, then for psh2.
constexpr int kQueryPsh1 = 1;
constexpr int kEncryptPsh1 = 2;
constexpr int kQueryPsh2 = 4;
constexpr int kEncryptPsh2 = 8;

// disp bits; a set bit switches the behaviour off.
constexpr int kDispWaitingLamp = 1;
constexpr int kDispBuzzer = 2;
constexpr int kDispFailure = 4;
constexpr int kDispLowVoltage = 8;

// The decimal text of a number, as func, que and disp travel.
std::string Decimal(int value) {
    return res::Format("%d", value);
}

// que is a number from 0 to 15 in decimal digits. The decimal reading alone would take "abc"
// as 0 and "-1" as every bit set, both without a word; an empty value (a key never written)
// does stand for 0.
bool QueIsDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The function read values stand for, or none when they fit no function.
std::optional<SlimFunction> DecideFunction(const SlimSettings& values) {
    if (!IsNumber(values.func)) {
        return std::nullopt;
    }
    const int func = ParseDecimal(values.func);
    if (func == 0) {
        if (!values.psh1.empty() && values.psh1.front() == '0') {
            return SlimFunction::Browser;
        }
        return std::nullopt;
    }
    if (func != 1 || values.psh1.empty() || values.psh2.empty()) {
        return std::nullopt;
    }
    const char first = values.psh1.front();
    const char second = values.psh2.front();
    if (first == '1' && second == '0') {
        return SlimFunction::TorucaBrowser;
    }
    if (first == '0' && second == '2') {
        return SlimFunction::BrowserMailer;
    }
    if (first == '1' && second == '2') {
        return SlimFunction::TorucaMailer;
    }
    return std::nullopt;
}

// Cuts the escaped record into the state's fields of its kind and checks them.
void DecodeRecord(SlimRecordKind kind, const std::string& escaped, SlimEditorState& state,
                  std::vector<std::string>& messages) {
    switch (kind) {
        case SlimRecordKind::Browser:
            state.browser = ParseSlimBrowserRecord(escaped);
            CheckReadSlimRecord(state.browser, messages);
            break;
        case SlimRecordKind::Toruca:
            state.toruca = ParseSlimTorucaRecord(escaped);
            CheckReadSlimRecord(state.toruca, messages);
            break;
        case SlimRecordKind::Mailer:
            state.mailer = ParseSlimMailerRecord(escaped);
            CheckReadSlimRecord(state.mailer, messages);
            break;
    }
}

}  // namespace

const SlimFunctionLayout& LayoutOf(SlimFunction function) {
    return kLayouts[static_cast<std::size_t>(function)];
}

int DispFromBehaviour(const SlimBehaviour& behaviour) {
    return (behaviour.waitingLamp ? 0 : kDispWaitingLamp) | (behaviour.buzzer ? 0 : kDispBuzzer) |
           (behaviour.failureLampBuzzer ? 0 : kDispFailure) |
           (behaviour.lowVoltageBuzzer ? 0 : kDispLowVoltage);
}

SlimBehaviour BehaviourFromDisp(int disp) {
    SlimBehaviour behaviour;
    behaviour.waitingLamp = (disp & kDispWaitingLamp) == 0;
    behaviour.buzzer = (disp & kDispBuzzer) == 0;
    behaviour.failureLampBuzzer = (disp & kDispFailure) == 0;
    behaviour.lowVoltageBuzzer = (disp & kDispLowVoltage) == 0;
    return behaviour;
}

SlimBehaviourSummary SummarizeBehaviour(const SlimBehaviour& behaviour) {
    return {behaviour.waitingLamp, behaviour.failureLampBuzzer,
            behaviour.buzzer && behaviour.failureLampBuzzer, behaviour.lowVoltageBuzzer,
            behaviour.buzzer};
}

const std::string& SlimOnOffText(bool on) {
    return res::TextCp932(on ? ids::kOn : ids::kOff);
}

bool SlimEditorState::QueryOn(SlimRecordKind kind) const {
    switch (kind) {
        case SlimRecordKind::Browser:
            return browserQuery;
        case SlimRecordKind::Toruca:
            return torucaQuery;
        case SlimRecordKind::Mailer:
            return mailerQuery;
    }
    return false;
}

void SlimEditorState::SetQuery(SlimRecordKind kind, bool on) {
    switch (kind) {
        case SlimRecordKind::Browser:
            browserQuery = on;
            break;
        case SlimRecordKind::Toruca:
            torucaQuery = on;
            break;
        case SlimRecordKind::Mailer:
            mailerQuery = on;
            break;
    }
}

std::vector<SlimRecordKind> EnabledKinds(SlimFunction function) {
    const SlimFunctionLayout& layout = LayoutOf(function);
    std::vector<SlimRecordKind> kinds;
    for (SlimRecordKind kind :
         {SlimRecordKind::Browser, SlimRecordKind::Toruca, SlimRecordKind::Mailer}) {
        if (layout.psh1 == kind || (layout.writesPsh2 && layout.psh2 == kind)) {
            kinds.push_back(kind);
        }
    }
    return kinds;
}

int SlimCapacityOf(const SlimEditorState& state, SlimRecordKind kind) {
    return SlimCapacity(kind, state.QueryOn(kind), state.encryptQuery);
}

int SlimSumOf(const SlimEditorState& state, SlimRecordKind kind) {
    switch (kind) {
        case SlimRecordKind::Browser:
            return SlimRecordSum(state.browser);
        case SlimRecordKind::Toruca:
            return SlimRecordSum(state.toruca);
        case SlimRecordKind::Mailer:
            return SlimRecordSum(state.mailer);
    }
    return 0;
}

std::string BuildSlimRecordOf(const SlimEditorState& state, SlimRecordKind kind) {
    switch (kind) {
        case SlimRecordKind::Browser:
            return BuildSlimRecord(state.browser);
        case SlimRecordKind::Toruca:
            return BuildSlimRecord(state.toruca);
        case SlimRecordKind::Mailer:
            return BuildSlimRecord(state.mailer);
    }
    return {};
}

int BuildSlimQue(const SlimEditorState& state) {
    const SlimFunctionLayout& layout = LayoutOf(state.function);
    int que = state.QueryOn(layout.psh1) ? kQueryPsh1 : 0;
    if (layout.writesPsh2 && state.QueryOn(layout.psh2)) {
        que |= kQueryPsh2;
    }
    if (state.encryptQuery) {
        que |= (que & kQueryPsh1) ? kEncryptPsh1 : 0;
        que |= (que & kQueryPsh2) ? kEncryptPsh2 : 0;
    }
    return que;
}

void ApplySlimQue(int que, SlimEditorState& state) {
    const SlimFunctionLayout& layout = LayoutOf(state.function);
    state.SetQuery(layout.psh1, (que & kQueryPsh1) != 0);
    if (layout.writesPsh2) {
        state.SetQuery(layout.psh2, (que & kQueryPsh2) != 0);
        state.encryptQuery = (que & (kEncryptPsh1 | kEncryptPsh2)) != 0;
    } else {
        state.encryptQuery = (que & kEncryptPsh1) != 0;
    }
}

SlimSettings BuildSlimSettings(const SlimEditorState& state) {
    const SlimFunctionLayout& layout = LayoutOf(state.function);
    SlimSettings values;
    values.func = Decimal(layout.func);
    values.psh1 = TransferEscape(BuildSlimRecordOf(state, layout.psh1));
    if (layout.writesPsh2) {
        values.psh2 = TransferEscape(BuildSlimRecordOf(state, layout.psh2));
    }
    values.que = Decimal(BuildSlimQue(state));
    values.disp = Decimal(DispFromBehaviour(state.behaviour));
    return values;
}

SlimDecoded DecodeSlimSettings(const SlimSettings& values) {
    SlimDecoded decoded;
    SlimEditorState& state = decoded.state;
    std::vector<std::string>& messages = decoded.messages;

    if (IsNumber(values.disp)) {
        state.behaviour = BehaviourFromDisp(ParseDecimal(values.disp));
    } else {
        // All four behaviours on, as a new terminal has them.
        state.behaviour = BehaviourFromDisp(0);
        messages.push_back(SlimMessage(ids::kBodySettingsInvalid));
    }

    const std::optional<SlimFunction> function = DecideFunction(values);
    if (function) {
        state.function = *function;
        const SlimFunctionLayout& layout = LayoutOf(state.function);
        DecodeRecord(layout.psh1, values.psh1, state, messages);
        if (layout.writesPsh2) {
            DecodeRecord(layout.psh2, values.psh2, state, messages);
        }
    } else {
        state.function = SlimFunction::Browser;
        messages.push_back(SlimMessage(ids::kFunctionInvalid));
    }

    const int que = ParseDecimal(values.que);
    const int mode = state.function == SlimFunction::Browser ? 0 : 1;
    if (!QueIsDigits(values.que) || !CheckQueryFlags(mode, que)) {
        messages.push_back(SlimMessage(ids::kQueryInvalid));
    }
    ApplySlimQue(que, state);
    return decoded;
}

}  // namespace morvik

#include "model/SlimEditorView.h"

#include <algorithm>

#include "model/Escape.h"
#include "model/SlimTexts.h"

namespace morvik {
namespace {

bool Enables(SlimFunction function, SlimRecordKind kind) {
    const std::vector<SlimRecordKind> kinds = EnabledKinds(function);
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

SlimGroupView GroupOf(const SlimEditorState& state, SlimRecordKind kind, SlimEditorMode mode) {
    SlimGroupView group;
    const bool service = mode == SlimEditorMode::Service;
    group.enabled = Enables(state.function, kind) && !(service && kind == SlimRecordKind::Mailer);
    // The service window's queries are fixed: its pairs never take input.
    group.queryPairEnabled = group.enabled && !service;
    group.sum = SlimSumOf(state, kind);
    group.capacity = SlimCapacityOf(state, kind);
    group.over = group.sum > group.capacity;
    return group;
}

}  // namespace

const SlimGroupView& SlimEditorView::Group(SlimRecordKind kind) const {
    switch (kind) {
        case SlimRecordKind::Toruca:
            return toruca;
        case SlimRecordKind::Mailer:
            return mailer;
        case SlimRecordKind::Browser:
            break;
    }
    return browser;
}

SlimEditorView ViewSlimEditor(const SlimEditorState& state, SlimEditorMode mode) {
    SlimEditorView view;
    view.browser = GroupOf(state, SlimRecordKind::Browser, mode);
    view.toruca = GroupOf(state, SlimRecordKind::Toruca, mode);
    view.mailer = GroupOf(state, SlimRecordKind::Mailer, mode);
    for (const SlimGroupView* group : {&view.browser, &view.toruca, &view.mailer}) {
        if (group->enabled && group->over) {
            view.writeAllowed = false;
        }
    }
    view.docomoSummary = SlimDocomoSummary(state.function);
    view.othersSummary = SlimOthersSummary(state.function);
    view.description = SlimFunctionDescription(state.function);
    const SlimBehaviourSummary summary = SummarizeBehaviour(state.behaviour);
    view.behaviourTexts = {SlimOnOffText(summary.waitingLamp), SlimOnOffText(summary.failureLamp),
                           SlimOnOffText(summary.failureBuzzer),
                           SlimOnOffText(summary.lowVoltageBuzzer),
                           SlimOnOffText(summary.otherBuzzer)};
    return view;
}

std::vector<SlimFunction> SlimOfferedFunctions(SlimEditorMode mode) {
    if (mode == SlimEditorMode::Service) {
        return {SlimFunction::Browser, SlimFunction::TorucaBrowser};
    }
    return {SlimFunction::Browser, SlimFunction::TorucaBrowser, SlimFunction::BrowserMailer,
            SlimFunction::TorucaMailer};
}

SlimEditorState SlimServiceStartState(const SlimServicePresets& presets) {
    SlimEditorState state;
    state.function = SlimFunction::Browser;
    state.browser.url = presets.browserUrl;
    // The preferences keep the message as it travels; the window shows it unescaped.
    state.browser.message = Unescape(presets.browserMessage);
    state.toruca.detailUrl = presets.torucaUrl;
    state.toruca.categoryIcon = presets.torucaIcon;
    state.browserQuery = true;
    state.torucaQuery = true;
    state.mailerQuery = false;
    state.encryptQuery = true;
    state.behaviour = SlimBehaviour{};
    return state;
}

}  // namespace morvik

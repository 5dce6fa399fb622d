#include "model/SlimEditorFields.h"

#include "model/SlimFieldChecks.h"
#include "res/StringIds.h"

namespace morvik {

namespace {
namespace ids = res::ids;
namespace lim = slim_limits;
using K = SlimRecordKind;
using F = SlimField;

constexpr std::array<SlimFieldSpec, kSlimFieldCount> kSpecs = {{
    {F::BrowserUrl, K::Browser, ids::kFieldUrl, lim::kBrowserUrl, ids::kUrlTooLong, false},
    {F::BrowserMessage, K::Browser, ids::kFieldMessage, lim::kBrowserMessage,
     ids::kBrowserMessageTooLong, true},
    {F::TorucaUrl, K::Toruca, ids::kFieldTorucaUrl, lim::kTorucaDetailUrl, ids::kTorucaUrlTooLong,
     false},
    {F::TorucaIcon, K::Toruca, ids::kFieldCategoryIcon, lim::kTorucaIcon, ids::kCategoryIconTooLong,
     false},
    {F::TorucaData1, K::Toruca, ids::kFieldData1, lim::kTorucaData1, ids::kData1TooLong, false},
    {F::TorucaData2, K::Toruca, ids::kFieldData2, lim::kTorucaData2, ids::kData2TooLong, true},
    {F::TorucaData3, K::Toruca, ids::kFieldData3, lim::kTorucaData3, ids::kData3TooLong, false},
    {F::MailTo, K::Mailer, ids::kFieldMailTo, lim::kMailerTo, ids::kMailToTooLong, false},
    {F::MailCc, K::Mailer, ids::kFieldMailCc, lim::kMailerCc, ids::kMailCcTooLong, false},
    {F::MailSubject, K::Mailer, ids::kFieldMailSubject, lim::kMailerSubject,
     ids::kMailSubjectTooLong, false},
    {F::MailBody, K::Mailer, ids::kFieldMailBody, lim::kMailerBody, ids::kMailBodyTooLong, true},
    {F::MailMessage, K::Mailer, ids::kFieldMessage, lim::kMailerMessage, ids::kMailerMessageTooLong,
     true},
}};

template <typename State, typename Text>
Text& FieldOf(State& state, SlimField field) {
    switch (field) {
        case F::BrowserUrl:
            return state.browser.url;
        case F::BrowserMessage:
            return state.browser.message;
        case F::TorucaUrl:
            return state.toruca.detailUrl;
        case F::TorucaIcon:
            return state.toruca.categoryIcon;
        case F::TorucaData1:
            return state.toruca.data1;
        case F::TorucaData2:
            return state.toruca.data2;
        case F::TorucaData3:
            return state.toruca.data3;
        case F::MailTo:
            return state.mailer.to;
        case F::MailCc:
            return state.mailer.cc;
        case F::MailSubject:
            return state.mailer.subject;
        case F::MailBody:
            return state.mailer.body;
        case F::MailMessage:
            break;
    }
    return state.mailer.message;
}

}  // namespace

const std::array<SlimFieldSpec, kSlimFieldCount>& SlimFieldSpecs() {
    return kSpecs;
}

const SlimFieldSpec& SpecOf(SlimField field) {
    return kSpecs[static_cast<std::size_t>(field)];
}

std::string& SlimFieldText(SlimEditorState& state, SlimField field) {
    return FieldOf<SlimEditorState, std::string>(state, field);
}

const std::string& SlimFieldText(const SlimEditorState& state, SlimField field) {
    return FieldOf<const SlimEditorState, const std::string>(state, field);
}

std::string SlimLengthMessage(SlimField field) {
    const SlimFieldSpec& entry = SpecOf(field);
    return SlimLimitMessage(entry.lengthMessageId, entry.limit);
}

}  // namespace morvik

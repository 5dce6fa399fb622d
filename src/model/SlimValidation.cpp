#include "model/SlimValidation.h"

#include <vector>

#include "model/SlimFieldChecks.h"
#include "model/Validators.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// One check: whether it passes, and the message when it does not.
struct Check {
    bool ok;
    std::string (*message)(int, int);
    int id;
    int limit;
};

std::string Plain(int id, int) {
    return SlimMessage(id);
}
std::string WithLimit(int id, int limit) {
    return SlimLimitMessage(id, limit);
}

std::optional<std::string> FirstFailure(const std::vector<Check>& checks) {
    for (const Check& check : checks) {
        if (!check.ok) {
            return check.message(check.id, check.limit);
        }
    }
    return std::nullopt;
}

// A query is appended to the URL the terminal hands over, so the URL must end where a query
// may follow.
bool EndsForQuery(const std::string& url) {
    return url.ends_with('?') || url.ends_with('&');
}

Check Chars(SlimCharClass charClass, const std::string& text, int id) {
    return {SlimCharsOk(charClass, text), Plain, id, 0};
}

Check Length(const std::string& text, int limit, int id) {
    return {SlimLength(text) <= limit, WithLimit, id, limit};
}

std::optional<std::string> ValidateBrowser(const SlimEditorState& state) {
    const BrowserRecord& r = state.browser;
    const int capacity = SlimCapacityOf(state, SlimRecordKind::Browser);
    return FirstFailure({
        {!r.url.empty(), Plain, ids::kUrlEmpty, 0},
        Chars(SlimCharClass::Url, r.url, ids::kUrlInvalidChars),
        {!state.browserQuery || EndsForQuery(r.url), Plain, ids::kUrlQueryEnding, 0},
        Length(r.url, slim_limits::kBrowserUrl, ids::kUrlTooLong),
        Chars(SlimCharClass::DeviceTextLines, r.message, ids::kBrowserMessageInvalidChars),
        Length(r.message, slim_limits::kBrowserMessage, ids::kBrowserMessageTooLong),
        {SlimRecordSum(r) <= capacity, WithLimit, ids::kBrowserTotalTooLarge, capacity},
    });
}

std::optional<std::string> ValidateToruca(const SlimEditorState& state) {
    const SlimTorucaRecord& r = state.toruca;
    const int capacity = SlimCapacityOf(state, SlimRecordKind::Toruca);
    return FirstFailure({
        {!r.detailUrl.empty(), Plain, ids::kTorucaUrlEmpty, 0},
        Chars(SlimCharClass::Url, r.detailUrl, ids::kTorucaUrlInvalidChars),
        {!state.torucaQuery || EndsForQuery(r.detailUrl), Plain, ids::kTorucaUrlQueryEnding, 0},
        Length(r.detailUrl, slim_limits::kTorucaDetailUrl, ids::kTorucaUrlTooLong),
        {IsHexadecimal(r.categoryIcon), Plain, ids::kCategoryIconInvalid, 0},
        // The icon field is four characters wide; a longer icon would shift every field after
        // it. The editor stops typing at four; values from elsewhere are held to the same.
        {SlimLength(SlimIconForRecord(r.categoryIcon)) <= slim_limits::kTorucaIcon, Plain,
         ids::kCategoryIconTooLong, 0},
        Chars(SlimCharClass::DeviceText, r.data1, ids::kData1InvalidChars),
        Length(r.data1, slim_limits::kTorucaData1, ids::kData1TooLong),
        Chars(SlimCharClass::DeviceTextLines, r.data2, ids::kData2InvalidChars),
        Length(r.data2, slim_limits::kTorucaData2, ids::kData2TooLong),
        Chars(SlimCharClass::DeviceText, r.data3, ids::kData3InvalidChars),
        Length(r.data3, slim_limits::kTorucaData3, ids::kData3TooLong),
        {SlimRecordSum(r) <= capacity, WithLimit, ids::kTorucaTotalTooLarge, capacity},
    });
}

std::optional<std::string> ValidateMailer(const SlimEditorState& state) {
    const MailerRecord& r = state.mailer;
    const int capacity = SlimCapacityOf(state, SlimRecordKind::Mailer);
    return FirstFailure({
        {!r.to.empty(), Plain, ids::kMailToEmpty, 0},
        Chars(SlimCharClass::PrintableAscii, r.to, ids::kMailToInvalidChars),
        Length(r.to, slim_limits::kMailerTo, ids::kMailToTooLong),
        Chars(SlimCharClass::PrintableAscii, r.cc, ids::kMailCcInvalidChars),
        Length(r.cc, slim_limits::kMailerCc, ids::kMailCcTooLong),
        Chars(SlimCharClass::DeviceText, r.subject, ids::kMailSubjectInvalidChars),
        Length(r.subject, slim_limits::kMailerSubject, ids::kMailSubjectTooLong),
        Chars(SlimCharClass::DeviceTextLines, r.body, ids::kMailBodyInvalidChars),
        Length(r.body, slim_limits::kMailerBody, ids::kMailBodyTooLong),
        Chars(SlimCharClass::DeviceTextLines, r.message, ids::kMailerMessageInvalidChars),
        Length(r.message, slim_limits::kMailerMessage, ids::kMailerMessageTooLong),
        {SlimRecordSum(r) <= capacity, WithLimit, ids::kMailerTotalTooLarge, capacity},
    });
}

}  // namespace

std::optional<std::string> ValidateSlimEditorState(const SlimEditorState& state) {
    for (SlimRecordKind kind : EnabledKinds(state.function)) {
        std::optional<std::string> failure;
        switch (kind) {
            case SlimRecordKind::Browser:
                failure = ValidateBrowser(state);
                break;
            case SlimRecordKind::Toruca:
                failure = ValidateToruca(state);
                break;
            case SlimRecordKind::Mailer:
                failure = ValidateMailer(state);
                break;
        }
        if (failure) {
            return failure;
        }
    }
    return std::nullopt;
}

}  // namespace morvik

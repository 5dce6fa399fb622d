#include "model/FunctionRecordValidate.h"

#include "model/Escape.h"
#include "model/FunctionRecordBuild.h"
#include "model/FunctionRecordQuery.h"
#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace lim = record_limits;
namespace ids = res::ids;

class Messages {
  public:
    void Add(int id) { lines_.push_back(res::TextCp932(id)); }
    void Add(int id, int limit) { lines_.push_back(res::Format(res::TextCp932(id), limit)); }
    void AddText(std::string text) { lines_.push_back(std::move(text)); }
    std::vector<std::string> Take() { return std::move(lines_); }

  private:
    std::vector<std::string> lines_;
};

int Size(std::string_view text) {
    return static_cast<int>(text.size());
}

bool EndsWithQueryJoint(std::string_view url) {
    return !url.empty() && (url.back() == '?' || url.back() == '&');
}

// A URL that must be present, with the query ending tested only when a query is appended and
// the URL is not empty (its emptiness has already been reported).
void CheckRequiredUrl(Messages& out, std::string_view url, QueryChoice query, int emptyMessage,
                      int charactersMessage, RecordKind kind, int limit) {
    if (url.empty()) {
        out.Add(emptyMessage);
    }
    if (!IsUrlText(url)) {
        out.Add(charactersMessage);
    }
    if (query != QueryChoice::None && !url.empty() && !EndsWithQueryJoint(url)) {
        out.AddText(QueryEndingMessage(kind));
    }
    if (Size(url) > limit) {
        out.Add(ids::kUrlTooLong, limit);
    }
}

void CheckTotal(Messages& out, const FunctionRecord& record, QueryChoice query, int message) {
    int limit = TotalLimit(KindOf(record), query);
    if (ValidationSize(record) > limit) {
        out.Add(message, limit);
    }
}

// One field: its character rule on the text (check-escaped first where escaped is set), then
// its length on the same text.
template <typename Rule>
void CheckField(Messages& out, std::string_view text, bool escaped, Rule rule,
                int charactersMessage, int limit, int lengthMessage) {
    std::string checked = escaped ? CheckEscape(text) : std::string(text);
    if (!rule(checked)) {
        out.Add(charactersMessage);
    }
    if (Size(checked) > limit) {
        out.Add(lengthMessage, limit);
    }
}

constexpr bool kEscaped = true;
constexpr bool kRaw = false;

struct Validator {
    QueryChoice query;
    Messages& out;

    void operator()(const BrowserRecord& r) const {
        CheckRequiredUrl(out, r.url, query, ids::kUrlEmpty, ids::kUrlInvalidChars,
                         RecordKind::Browser, lim::kBrowserUrl);
        CheckField(out, r.message, kEscaped, IsDeviceText, ids::kBrowserMessageInvalidChars,
                   lim::kBrowserMessage, ids::kBrowserMessageTooLong);
        CheckTotal(out, r, query, ids::kBrowserTotalTooLarge);
    }

    void operator()(const MailerRecord& r) const {
        if (r.to.empty()) {
            out.Add(ids::kMailToEmpty);
        }
        CheckField(out, r.to, kRaw, IsPrintableAscii, ids::kMailToInvalidChars, lim::kMailerTo,
                   ids::kMailToTooLong);
        CheckField(out, r.cc, kRaw, IsPrintableAscii, ids::kMailCcInvalidChars, lim::kMailerCc,
                   ids::kMailCcTooLong);
        CheckField(out, r.subject, kRaw, IsDeviceText, ids::kMailSubjectInvalidChars,
                   lim::kMailerSubject, ids::kMailSubjectTooLong);
        CheckField(out, r.body, kEscaped, IsDeviceText, ids::kMailBodyInvalidChars,
                   lim::kMailerBody, ids::kMailBodyTooLong);
        CheckField(out, r.message, kEscaped, IsDeviceText, ids::kMailerMessageInvalidChars,
                   lim::kMailerMessage, ids::kMailerMessageTooLong);
        CheckTotal(out, r, query, ids::kMailerTotalTooLarge);
    }

    void operator()(const ApplicationRecord& r) const {
        CheckField(out, r.url, kRaw, IsUrlText, ids::kAppUrlInvalidChars, lim::kApplicationUrl,
                   ids::kUrlTooLong);
        CheckField(out, r.code, kRaw, IsPrintableAscii, ids::kAppCodeInvalidChars,
                   lim::kApplicationCode, ids::kAppCodeTooLong);
        CheckField(out, r.parameter, kRaw, IsPrintableAscii, ids::kAppParamInvalidChars,
                   lim::kApplicationParameter, ids::kAppParamTooLong);
        CheckTotal(out, r, QueryChoice::None, ids::kAppTotalTooLarge);
    }

    void operator()(const TorucaRecord& r) const {
        CheckRequiredUrl(out, r.detailUrl, query, ids::kTorucaUrlEmpty, ids::kTorucaUrlInvalidChars,
                         RecordKind::Toruca, lim::kTorucaDetailUrl);
        if (!IsHexadecimal(r.categoryIcon)) {
            out.Add(ids::kCategoryIconInvalid);
        }
        // The entry field stops at four characters; a longer icon from anywhere else would
        // push every later fixed field out of its position in the record.
        if (Size(NormalizeCategoryIcon(r.categoryIcon)) > lim::kTorucaCategoryIcon) {
            out.Add(ids::kCategoryIconTooLong);
        }
        CheckField(out, r.data1, kRaw, IsDeviceText, ids::kData1InvalidChars, lim::kTorucaData1,
                   ids::kData1TooLong);
        CheckField(out, r.data2, kEscaped, IsDeviceText, ids::kData2InvalidChars, lim::kTorucaData2,
                   ids::kData2TooLong);
        CheckField(out, r.data3, kRaw, IsDeviceText, ids::kData3InvalidChars, lim::kTorucaData3,
                   ids::kData3TooLong);
        CheckField(out, r.ipId, kRaw, IsAlphanumeric, ids::kIpIdInvalidChars, lim::kTorucaIpId,
                   ids::kIpIdTooLong);
        if (Size(r.kanaId) > lim::kTorucaKanaId) {
            out.Add(ids::kKanaIdTooLong, lim::kTorucaKanaCharacters);
        }
        if (!IsKanaId(r.kanaId)) {
            out.Add(ids::kKanaIdInvalid, lim::kTorucaKanaCharacters);
        }
        // The identifiers may stay empty: the terminal write then supplies its defaults.
        auto digitsOrEmpty = [](std::string_view text) { return text.empty() || IsNumber(text); };
        CheckField(out, r.redistributionId, kRaw, digitsOrEmpty, ids::kReIdInvalidChars,
                   lim::kTorucaRedistributionId, ids::kReIdTooLong);
        CheckField(out, r.colorId, kRaw, digitsOrEmpty, ids::kColorIdInvalidChars,
                   lim::kTorucaColorId, ids::kColorIdTooLong);
        CheckTotal(out, r, query, ids::kTorucaTotalTooLarge);
    }
};

struct ValidationSizer {
    int operator()(const BrowserRecord& r) const {
        return Size(r.url) + Size(CheckEscape(r.message));
    }
    int operator()(const MailerRecord& r) const {
        return Size(r.to) + Size(r.cc) + Size(r.subject) + Size(CheckEscape(r.body)) +
               Size(CheckEscape(r.message));
    }
    int operator()(const ApplicationRecord& r) const {
        return Size(r.url) + Size(r.code) + Size(r.parameter);
    }
    int operator()(const TorucaRecord& r) const {
        return Size(r.detailUrl) + Size(r.data1) + Size(CheckEscape(r.data2)) + Size(r.data3) +
               Size(r.ipId);
    }
};

struct CounterSizer {
    int operator()(const BrowserRecord& r) const { return Size(r.url) + Size(r.message); }
    int operator()(const MailerRecord& r) const {
        return Size(r.to) + Size(r.cc) + Size(r.subject) + Size(r.body) + Size(r.message);
    }
    int operator()(const ApplicationRecord& r) const {
        return Size(r.url) + Size(Unescape(r.code)) + Size(Unescape(r.parameter));
    }
    int operator()(const TorucaRecord& r) const {
        return Size(r.detailUrl) + Size(r.data1) + Size(r.data2) + Size(r.data3) + Size(r.ipId);
    }
};

}  // namespace

std::vector<std::string> ValidateRecord(const FunctionRecord& record, QueryChoice query) {
    Messages out;
    std::visit(Validator{query, out}, record);
    return out.Take();
}

int TotalLimit(RecordKind kind, QueryChoice query) {
    switch (kind) {
        case RecordKind::Browser:
            return lim::kBrowserTotal - QueryAllowance(query);
        case RecordKind::Mailer:
            return lim::kMailerTotal - QueryAllowance(query);
        case RecordKind::Application:
            return lim::kApplicationTotal;
        case RecordKind::Toruca:
            return lim::kTorucaTotal - QueryAllowance(query);
    }
    return 0;
}

int ValidationSize(const FunctionRecord& record) {
    return std::visit(ValidationSizer{}, record);
}

int CounterSize(const FunctionRecord& record) {
    return std::visit(CounterSizer{}, record);
}

bool IsKanaId(std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (text.size() != 4) {
        return false;
    }
    for (size_t i = 0; i < 4; i += 2) {
        auto lead = static_cast<unsigned char>(text[i]);
        auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead != 0x83 || trail < 0x40 || trail > 0x96) {
            return false;
        }
    }
    return true;
}

std::string QueryEndingMessage(RecordKind kind) {
    // The table's texts carry their example addresses already.
    return res::TextCp932(kind == RecordKind::Toruca ? ids::kTorucaUrlQueryEnding
                                                     : ids::kUrlQueryEnding);
}

}  // namespace morvik

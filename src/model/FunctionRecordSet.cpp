#include "model/FunctionRecordSet.h"

#include <type_traits>

#include "model/FunctionRecordParse.h"
#include "model/FunctionRecordQuery.h"
#include "model/FunctionRecordValidate.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

constexpr int kUnreadableFunctionMessage = res::ids::kFunctionInvalid;

void Append(std::vector<std::string>& to, std::vector<std::string> from) {
    for (auto& line : from) {
        to.push_back(std::move(line));
    }
}

}  // namespace

FunctionRecord GroupFunctions::SelectedRecord() const {
    switch (selected) {
        case RecordKind::Browser:
            return browser;
        case RecordKind::Mailer:
            return mailer;
        case RecordKind::Application:
            return application;
        case RecordKind::Toruca:
            return toruca;
    }
    return browser;
}

QueryChoice GroupFunctions::SelectedQuery() const {
    switch (selected) {
        case RecordKind::Browser:
            return browserQuery;
        case RecordKind::Mailer:
            return mailerQuery;
        case RecordKind::Toruca:
            return torucaQuery;
        case RecordKind::Application:
            break;
    }
    return QueryChoice::None;
}

void GroupFunctions::Select(const FunctionRecord& record) {
    selected = KindOf(record);
    std::visit(
        [this](const auto& r) {
            using T = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<T, BrowserRecord>) {
                browser = r;
            } else if constexpr (std::is_same_v<T, MailerRecord>) {
                mailer = r;
            } else if constexpr (std::is_same_v<T, ApplicationRecord>) {
                application = r;
            } else {
                toruca = r;
            }
        },
        record);
}

void GroupFunctions::SetQuery(QueryChoice query) {
    browserQuery = query;
    torucaQuery = query;
    mailerQuery = query;
}

SetLoadResult LoadFunctionSet(FunctionSet& set, std::string_view psA, std::string_view psB,
                              std::string_view que, const std::optional<TorucaExtras>& extras) {
    SetLoadResult result;
    std::optional<int> flags = ParseQueryFlags(que);
    if (flags) {
        set.queryFlags = *flags;
        set.docomo.SetQuery(QueryChoiceOf(*flags, PhoneGroup::Docomo));
        set.other.SetQuery(QueryChoiceOf(*flags, PhoneGroup::Other));
    }
    for (PhoneGroup group : {PhoneGroup::Docomo, PhoneGroup::Other}) {
        std::optional<FunctionRecord> record =
            ParseRecord(group == PhoneGroup::Docomo ? psA : psB, group);
        if (!record) {
            result.recordsReadable = false;
            result.messages.push_back(res::TextCp932(kUnreadableFunctionMessage));
            continue;
        }
        if (auto* toruca = std::get_if<TorucaRecord>(&*record); toruca && extras) {
            toruca->kanaId = extras->kanaId;
            toruca->redistributionId = extras->redistributionId;
            toruca->colorId = extras->colorId;
        }
        GroupFunctions& functions = set.Group(group);
        functions.Select(*record);
        Append(result.messages, ValidateRecord(*record, functions.SelectedQuery()));
    }
    if (!flags) {
        result.messages.push_back(QueryFlagsMessage());
    }
    return result;
}

std::string BuildGroupRecord(const FunctionSet& set, PhoneGroup group, RecordTarget target) {
    return BuildRecord(set.Group(group).SelectedRecord(), target);
}

int BuildQueryFlags(const FunctionSet& set) {
    int flags = set.queryFlags;
    for (PhoneGroup group : {PhoneGroup::Docomo, PhoneGroup::Other}) {
        const GroupFunctions& functions = set.Group(group);
        if (KindHasQuery(functions.selected)) {
            flags = ApplyQueryChoice(flags, group, functions.SelectedQuery());
        }
    }
    return flags;
}

TorucaExtras TorucaExtrasOf(const FunctionSet& set) {
    const TorucaRecord& toruca = set.docomo.toruca;
    return {UpperCp932(toruca.kanaId), UpperCp932(toruca.redistributionId),
            UpperCp932(toruca.colorId)};
}

std::vector<std::string> ValidateFunctionSet(const FunctionSet& set) {
    std::vector<std::string> messages;
    for (PhoneGroup group : {PhoneGroup::Docomo, PhoneGroup::Other}) {
        const GroupFunctions& functions = set.Group(group);
        Append(messages, ValidateRecord(functions.SelectedRecord(), functions.SelectedQuery()));
    }
    return messages;
}

}  // namespace morvik

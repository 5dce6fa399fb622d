#include "model/FunctionPageFields.h"

#include <array>

#include "model/Cp932.h"
#include "model/FunctionRecordValidate.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

namespace ids = res::ids;
namespace lim = record_limits;

// Reading the kana ID is easier in characters: the message names two, the field takes four bytes.
constexpr int kKanaIdCharactersShown = 2;

constexpr PageFieldSpec kBrowserFields[] = {
    {ids::kFieldUrl, lim::kBrowserUrl, ids::kUrlTooLong, lim::kBrowserUrl, false, true,
     [](GroupFunctions& g) -> std::string& { return g.browser.url; }},
    {ids::kFieldMessage, lim::kBrowserMessage, ids::kBrowserMessageTooLong, lim::kBrowserMessage,
     true, true, [](GroupFunctions& g) -> std::string& { return g.browser.message; }},
};

constexpr PageFieldSpec kTorucaFields[] = {
    {ids::kFieldTorucaUrl, lim::kTorucaDetailUrl, ids::kTorucaUrlTooLong, lim::kTorucaDetailUrl,
     false, true, [](GroupFunctions& g) -> std::string& { return g.toruca.detailUrl; }},
    {ids::kFieldCategoryIcon, lim::kTorucaCategoryIcon, ids::kCategoryIconTooLong,
     lim::kTorucaCategoryIcon, false, false,
     [](GroupFunctions& g) -> std::string& { return g.toruca.categoryIcon; }},
    {ids::kFieldData1, lim::kTorucaData1, ids::kData1TooLong, lim::kTorucaData1, false, true,
     [](GroupFunctions& g) -> std::string& { return g.toruca.data1; }},
    {ids::kFieldData2, lim::kTorucaData2, ids::kData2TooLong, lim::kTorucaData2, true, true,
     [](GroupFunctions& g) -> std::string& { return g.toruca.data2; }},
    {ids::kFieldData3, lim::kTorucaData3, ids::kData3TooLong, lim::kTorucaData3, false, true,
     [](GroupFunctions& g) -> std::string& { return g.toruca.data3; }},
    {ids::kFieldIpId, lim::kTorucaIpId, ids::kIpIdTooLong, lim::kTorucaIpId, false, true,
     [](GroupFunctions& g) -> std::string& { return g.toruca.ipId; }},
    {ids::kFieldKanaId, lim::kTorucaKanaId, ids::kKanaIdTooLong, kKanaIdCharactersShown, false,
     false, [](GroupFunctions& g) -> std::string& { return g.toruca.kanaId; }},
    {ids::kFieldReId, lim::kTorucaRedistributionId, ids::kReIdTooLong, lim::kTorucaRedistributionId,
     false, false, [](GroupFunctions& g) -> std::string& { return g.toruca.redistributionId; }},
    {ids::kFieldColorId, lim::kTorucaColorId, ids::kColorIdTooLong, lim::kTorucaColorId, false,
     false, [](GroupFunctions& g) -> std::string& { return g.toruca.colorId; }},
};

constexpr PageFieldSpec kApplicationFields[] = {
    {ids::kFieldUrl, lim::kApplicationUrlEntry, ids::kAppUrlTooLong, lim::kApplicationUrlEntry,
     false, true, [](GroupFunctions& g) -> std::string& { return g.application.url; }},
    {ids::kFieldAppCode, lim::kApplicationCode, ids::kAppCodeTooLong, lim::kApplicationCode, false,
     true, [](GroupFunctions& g) -> std::string& { return g.application.code; }},
    {ids::kFieldAppParam, lim::kApplicationParameter, ids::kAppParamTooLong,
     lim::kApplicationParameter, false, true,
     [](GroupFunctions& g) -> std::string& { return g.application.parameter; }},
};

constexpr PageFieldSpec kMailerFields[] = {
    {ids::kFieldMailTo, lim::kMailerTo, ids::kMailToTooLong, lim::kMailerTo, false, true,
     [](GroupFunctions& g) -> std::string& { return g.mailer.to; }},
    {ids::kFieldMailCc, lim::kMailerCc, ids::kMailCcTooLong, lim::kMailerCc, false, true,
     [](GroupFunctions& g) -> std::string& { return g.mailer.cc; }},
    {ids::kFieldMailSubject, lim::kMailerSubject, ids::kMailSubjectTooLong, lim::kMailerSubject,
     false, true, [](GroupFunctions& g) -> std::string& { return g.mailer.subject; }},
    {ids::kFieldMailBody, lim::kMailerBody, ids::kMailBodyTooLong, lim::kMailerBody, true, true,
     [](GroupFunctions& g) -> std::string& { return g.mailer.body; }},
    {ids::kFieldMessage, lim::kMailerMessage, ids::kMailerMessageTooLong, lim::kMailerMessage, true,
     true, [](GroupFunctions& g) -> std::string& { return g.mailer.message; }},
};

const PageSpec kBrowserPage{RecordKind::Browser, true, false, kBrowserFields};
const PageSpec kTorucaPage{RecordKind::Toruca, true, true, kTorucaFields};
const PageSpec kApplicationPage{RecordKind::Application, false, false, kApplicationFields};
const PageSpec kMailerPage{RecordKind::Mailer, true, false, kMailerFields};

constexpr std::array<RecordKind, 3> kDocomoKinds = {RecordKind::Browser, RecordKind::Toruca,
                                                    RecordKind::Application};
constexpr std::array<RecordKind, 3> kOtherKinds = {RecordKind::Browser, RecordKind::Mailer,
                                                   RecordKind::Application};
constexpr std::array<int, 3> kDocomoSelector = {ids::kBrowserLaunch, ids::kTorucaDistribution,
                                                ids::kApplicationLaunch};
constexpr std::array<int, 3> kOtherSelector = {ids::kBrowserLaunch, ids::kMailerLaunch,
                                               ids::kApplicationLaunch};

}  // namespace

const PageSpec& FunctionPageSpec(RecordKind kind) {
    switch (kind) {
        case RecordKind::Toruca:
            return kTorucaPage;
        case RecordKind::Application:
            return kApplicationPage;
        case RecordKind::Mailer:
            return kMailerPage;
        case RecordKind::Browser:
            break;
    }
    return kBrowserPage;
}

std::span<const RecordKind> GroupPageKinds(PhoneGroup group) {
    return group == PhoneGroup::Docomo ? std::span<const RecordKind>(kDocomoKinds)
                                       : std::span<const RecordKind>(kOtherKinds);
}

std::span<const int> GroupSelectorTextIds(PhoneGroup group) {
    return group == PhoneGroup::Docomo ? std::span<const int>(kDocomoSelector)
                                       : std::span<const int>(kOtherSelector);
}

QueryChoice PageQuery(const GroupFunctions& group, RecordKind kind) {
    switch (kind) {
        case RecordKind::Browser:
            return group.browserQuery;
        case RecordKind::Toruca:
            return group.torucaQuery;
        case RecordKind::Mailer:
            return group.mailerQuery;
        case RecordKind::Application:
            break;
    }
    return QueryChoice::None;
}

void SetPageQuery(GroupFunctions& group, RecordKind kind, QueryChoice query) {
    switch (kind) {
        case RecordKind::Browser:
            group.browserQuery = query;
            return;
        case RecordKind::Toruca:
            group.torucaQuery = query;
            return;
        case RecordKind::Mailer:
            group.mailerQuery = query;
            return;
        case RecordKind::Application:
            return;
    }
}

FunctionRecord PageRecord(const GroupFunctions& group, RecordKind kind) {
    switch (kind) {
        case RecordKind::Toruca:
            return group.toruca;
        case RecordKind::Application:
            return group.application;
        case RecordKind::Mailer:
            return group.mailer;
        case RecordKind::Browser:
            break;
    }
    return group.browser;
}

std::string Cp932Prefix(const std::string& text, std::size_t bytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next =
            end + (IsCp932LeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
        if (next > bytes) {
            break;
        }
        end = next;
    }
    return text.substr(0, end);
}

}  // namespace morvik

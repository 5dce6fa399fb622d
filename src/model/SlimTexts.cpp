#include "model/SlimTexts.h"

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

namespace ids = res::ids;

std::string SlimFunctionLabel(SlimFunction function) {
    return res::TextCp932(ids::kFunction) + std::to_string(static_cast<int>(function) + 1);
}

const std::string& SlimKindName(SlimRecordKind kind) {
    switch (kind) {
        case SlimRecordKind::Toruca:
            return res::TextCp932(ids::kTorucaDistribution);
        case SlimRecordKind::Mailer:
            return res::TextCp932(ids::kMailerLaunch);
        case SlimRecordKind::Browser:
            break;
    }
    return res::TextCp932(ids::kBrowserLaunch);
}

std::string SlimDocomoSummary(SlimFunction function) {
    return res::Format(res::TextCp932(ids::kNttDocomoSummary),
                       SlimKindName(LayoutOf(function).psh1).c_str());
}

std::string SlimOthersSummary(SlimFunction function) {
    // 機能1 launches the browser for every handset, so both lines name it.
    return res::Format(res::TextCp932(ids::kOthersSummary),
                       SlimKindName(LayoutOf(function).psh2).c_str());
}

const std::string& SlimFunctionDescription(SlimFunction function) {
    return res::TextCp932(function == SlimFunction::Browser
                              ? ids::kSlimFunction1Description
                              : ids::kSlimAutoDiscriminationDescription);
}

std::string SlimSizeText(int sum, int capacity) {
    return res::Format(res::TextCp932(ids::kTotalSizeFormat), sum, capacity,
                       res::TextCp932(ids::kBytes).c_str());
}

}  // namespace morvik

#include "model/FunctionRecord.h"

#include <array>

namespace morvik {
namespace {

// The function selectors' entries, in list order.
constexpr std::array<RecordKind, 3> kDocomoKinds = {RecordKind::Browser, RecordKind::Toruca,
                                                    RecordKind::Application};
constexpr std::array<RecordKind, 3> kOtherKinds = {RecordKind::Browser, RecordKind::Mailer,
                                                   RecordKind::Application};

const std::array<RecordKind, 3>& KindsOf(PhoneGroup group) {
    return group == PhoneGroup::Docomo ? kDocomoKinds : kOtherKinds;
}

}  // namespace

RecordKind KindOf(const FunctionRecord& record) {
    static constexpr std::array<RecordKind, 4> kByIndex = {
        RecordKind::Browser, RecordKind::Mailer, RecordKind::Application, RecordKind::Toruca};
    return kByIndex[record.index()];
}

bool KindAllowed(RecordKind kind, PhoneGroup group) {
    return SelectorIndexOf(kind, group) >= 0;
}

int SelectorIndexOf(RecordKind kind, PhoneGroup group) {
    const auto& kinds = KindsOf(group);
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i] == kind) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

RecordKind KindAtSelectorIndex(int index, PhoneGroup group) {
    if (index < 0 || index > 2) {
        return RecordKind::Browser;
    }
    return KindsOf(group)[static_cast<size_t>(index)];
}

bool KindHasQuery(RecordKind kind) {
    return kind != RecordKind::Application;
}

}  // namespace morvik

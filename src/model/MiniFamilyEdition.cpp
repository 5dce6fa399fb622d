// What the values of every Mini-family write and file share, and their write error codes.

#include "model/MiniFamilyEdition.h"

#include "model/Escape.h"
#include "model/FunctionRecordQuery.h"
#include "model/MiniCatalogue.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

void AddMiniSetWriteValues(MiniKeyValueList& list, const FunctionSet& functions, std::size_t set) {
    const MiniSetKeys& keys = kMiniSetKeys[set];
    list.Add(keys.psA, TransferEscape(BuildGroupRecord(functions, PhoneGroup::Docomo,
                                                       RecordTarget::Terminal)));
    list.Add(keys.psB, TransferEscape(
                           BuildGroupRecord(functions, PhoneGroup::Other, RecordTarget::Terminal)));
    list.Add(keys.que, FormatQueryFlags(BuildQueryFlags(functions)));
}

void AddMiniSetFileRecords(MiniKeyValueList& list, const FunctionSet& functions, std::size_t set) {
    const MiniSetKeys& keys = kMiniSetKeys[set];
    list.Add(keys.psA, BuildGroupRecord(functions, PhoneGroup::Docomo, RecordTarget::File));
    TorucaExtras extras = TorucaExtrasOf(functions);
    list.Add(keys.kanaId, std::move(extras.kanaId));
    list.Add(keys.reId, std::move(extras.redistributionId));
    list.Add(keys.colorId, std::move(extras.colorId));
    list.Add(keys.psB, BuildGroupRecord(functions, PhoneGroup::Other, RecordTarget::File));
}

std::string MiniFamilyWriteErrorCode(const std::string& key) {
    struct Code {
        int keyId;
        int codeId;
    };
    namespace ids = res::ids;
    // The MiniSx's own keys; no Mini/MiniS parameter has one of these names.
    for (const Code& code : {Code{ids::kKeySmp, ids::kCodeSmp}, Code{ids::kKeyNfc, ids::kCodeNfc},
                             Code{ids::kCmdNdef, ids::kCodeNdef}}) {
        if (key == res::TextCp932(code.keyId)) {
            return res::TextCp932(code.codeId);
        }
    }
    const MiniParameter* parameter = FindMiniParameter(key);
    return parameter != nullptr ? MiniWriteErrorCode(*parameter) : std::string();
}

}  // namespace morvik

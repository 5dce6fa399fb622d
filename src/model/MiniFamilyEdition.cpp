// The write error codes of every Mini-family write.

#include "model/MiniFamilyEdition.h"

#include "model/MiniCatalogue.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

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

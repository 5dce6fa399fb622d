#include "model/SlimCatalogue.h"

#include <initializer_list>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

struct KeyEntry {
    int keyId;
    int errorCodeId;
};

KeyEntry EntryOf(SlimKey key) {
    switch (key) {
        case SlimKey::Func:
            return {ids::kKeyFunc, ids::kCodeFunc};
        case SlimKey::Que:
            return {ids::kKeyQue, ids::kCodeQue};
        case SlimKey::Psh1:
            return {ids::kKeyPsh1, ids::kCodePsh1};
        case SlimKey::Psh2:
            return {ids::kKeyPsh2, ids::kCodePsh2};
        case SlimKey::Disp:
            return {ids::kKeyDisp, ids::kCodeDisp};
    }
    return {ids::kKeyFunc, ids::kCodeFunc};
}

std::vector<std::pair<SlimKey, std::string>> Sequence(const SlimSettings& values,
                                                      SlimFunction function,
                                                      std::initializer_list<SlimKey> keys) {
    std::vector<std::pair<SlimKey, std::string>> sequence;
    for (SlimKey key : keys) {
        if (key == SlimKey::Psh2 && !LayoutOf(function).writesPsh2) {
            continue;
        }
        sequence.emplace_back(key, SlimValueOf(values, key));
    }
    return sequence;
}

}  // namespace

const std::string& SlimKeyText(SlimKey key) {
    return res::TextCp932(EntryOf(key).keyId);
}

const std::string& SlimWriteErrorCode(SlimKey key) {
    return res::TextCp932(EntryOf(key).errorCodeId);
}

const std::string& SlimValueOf(const SlimSettings& values, SlimKey key) {
    return SlimValueOf(const_cast<SlimSettings&>(values), key);
}

std::string& SlimValueOf(SlimSettings& values, SlimKey key) {
    switch (key) {
        case SlimKey::Func:
            return values.func;
        case SlimKey::Que:
            return values.que;
        case SlimKey::Psh1:
            return values.psh1;
        case SlimKey::Psh2:
            return values.psh2;
        case SlimKey::Disp:
            return values.disp;
    }
    return values.func;
}

const std::vector<SlimKey>& SlimReadOrder() {
    static const std::vector<SlimKey> order = {SlimKey::Func, SlimKey::Psh1, SlimKey::Psh2,
                                               SlimKey::Que, SlimKey::Disp};
    return order;
}

std::vector<std::pair<SlimKey, std::string>> SlimWriteSequence(const SlimSettings& values,
                                                               SlimFunction function) {
    return Sequence(values, function,
                    {SlimKey::Disp, SlimKey::Func, SlimKey::Psh1, SlimKey::Psh2, SlimKey::Que});
}

std::vector<std::pair<SlimKey, std::string>> SlimFileSequence(const SlimSettings& values,
                                                              SlimFunction function) {
    return Sequence(values, function,
                    {SlimKey::Func, SlimKey::Que, SlimKey::Psh1, SlimKey::Psh2, SlimKey::Disp});
}

}  // namespace morvik

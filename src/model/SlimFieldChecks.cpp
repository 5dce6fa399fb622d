#include "model/SlimFieldChecks.h"

#include "model/Escape.h"
#include "model/Validators.h"
#include "res/Strings.h"

namespace morvik {

bool SlimCharsOk(SlimCharClass charClass, std::string_view text) {
    switch (charClass) {
        case SlimCharClass::Url:
            return IsUrlText(text);
        case SlimCharClass::PrintableAscii:
            return IsPrintableAscii(text);
        case SlimCharClass::DeviceText:
            return IsDeviceText(text);
        case SlimCharClass::DeviceTextLines:
            return IsDeviceText(CheckEscape(text));
    }
    return false;
}

std::string SlimMessage(int id) {
    return res::TextCp932(id);
}

std::string SlimLimitMessage(int id, int limit) {
    return res::Format(res::TextCp932(id), limit);
}

}  // namespace morvik

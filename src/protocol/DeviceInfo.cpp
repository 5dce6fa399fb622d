#include "protocol/DeviceInfo.h"

#include <utility>

#include "protocol/ProtocolTexts.h"

namespace morvik {

std::string DeviceInfoClipboardText(const DeviceInfo& info) {
    const std::pair<const std::string&, const std::string&> rows[] = {
        {Texts::LabelProductName(), info.productName},
        {Texts::LabelTerminalId(), info.terminalId},
        {Texts::LabelFirmwareVersion(), info.firmwareVersion},
        {Texts::LabelBootCounter(), info.bootCounter},
        {Texts::LabelTouchCounter(), info.touchCounter},
        {Texts::LabelClock(), info.clock},
    };
    std::string text;
    for (const auto& [label, value] : rows) {
        text += label + Texts::LabelSeparator() + value + "\r\n";
    }
    return text;
}

}  // namespace morvik

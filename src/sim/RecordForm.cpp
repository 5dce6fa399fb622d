#include "sim/RecordForm.h"

#include <vector>

#include "sim/TerminalText.h"

namespace morvik::sim {
namespace {

struct Layout {
    char kind;
    size_t fixedLength;          // kind, length fields and fixed-width fields
    std::vector<bool> freeText;  // per variable field: escaped on its own in the answer
};

const Layout kLayouts[] = {
    {'0', 5, {false, true}},                      // browser: URL, message
    {'2', 11, {true, true, true, true, true}},    // mailer: To, CC, subject, body, message
    {'3', 7, {false, true, true}},                // application: URL, code, start parameter
    {'4', 23, {false, true, true, true, false}},  // Toruca: URL, data 1-3, IP-ID
};

}  // namespace

std::string RecordAnswerForm(std::string_view stored) {
    const std::string raw = UnescapeValue(stored);
    if (raw.empty()) {
        return std::string(stored);
    }
    const Layout* layout = nullptr;
    for (const auto& l : kLayouts) {
        if (l.kind == raw[0]) {
            layout = &l;
        }
    }
    if (layout == nullptr || raw.size() < layout->fixedLength) {
        return std::string(stored);
    }
    std::string out = raw.substr(0, layout->fixedLength);
    size_t pos = layout->fixedLength;
    for (size_t field = 0; field < layout->freeText.size(); ++field) {
        int hi = HexValue(raw[1 + 2 * field]);
        int lo = HexValue(raw[2 + 2 * field]);
        if (hi < 0 || lo < 0) {
            return std::string(stored);
        }
        size_t length = static_cast<size_t>(hi * 16 + lo);
        if (pos + length > raw.size()) {
            return std::string(stored);
        }
        std::string_view text(raw.data() + pos, length);
        out += layout->freeText[field] ? EscapeValue(text) : std::string(text);
        pos += length;
    }
    out += EscapeValue(std::string_view(raw).substr(pos));
    return out;
}

}  // namespace morvik::sim

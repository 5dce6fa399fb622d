#pragma once
// The twelve text fields of the Slim settings window: the record each belongs to, its label, the
// most bytes it takes, the message shown when typing goes past that, and whether it may hold
// line breaks. The window builds one edit per entry, in this order (which is also its Tab order).

#include <array>
#include <string>

#include "model/SlimSettings.h"

namespace morvik {

enum class SlimField {
    BrowserUrl,
    BrowserMessage,
    TorucaUrl,
    TorucaIcon,
    TorucaData1,
    TorucaData2,
    TorucaData3,
    MailTo,
    MailCc,
    MailSubject,
    MailBody,
    MailMessage,
};

struct SlimFieldSpec {
    SlimField field;
    SlimRecordKind kind;
    int labelId;          // string table
    int limit;            // bytes, code page 932, a line break counting two
    int lengthMessageId;  // shown with the limit when typing goes past it
    bool multiLine;
};

inline constexpr int kSlimFieldCount = 12;

const std::array<SlimFieldSpec, kSlimFieldCount>& SlimFieldSpecs();
const SlimFieldSpec& SpecOf(SlimField field);

// The field's text in a state (code page 932, line breaks as CR LF).
std::string& SlimFieldText(SlimEditorState& state, SlimField field);
const std::string& SlimFieldText(const SlimEditorState& state, SlimField field);

// The length message of the field with its limit (code page 932).
std::string SlimLengthMessage(SlimField field);

}  // namespace morvik

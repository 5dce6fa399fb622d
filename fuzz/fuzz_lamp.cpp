// Lamp codes read from a terminal, a settings file or the preferences file: a code is shown as a
// user pattern or refused, never read past its end; a shown pattern encodes back to a code that
// shows the same pattern. (A code whose steps light nothing may still carry a lamp count, which
// shows as "1" or "8" with dark steps; written back it is the code of no lamp at all.)

#include "FuzzSupport.h"
#include "model/LampPattern.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);

    const std::optional<std::string> pattern = DecodeLampCode(text);
    if (pattern) {
        fuzz::Require(text.size() == kLampCodeLength, "only a full-width code is shown");
        fuzz::Require(IsValidUserLampPattern(*pattern), "a shown code is a valid user pattern");
        for (bool idle : {false, true}) {
            const std::optional<std::string> code = EncodeLampPattern(*pattern, idle);
            fuzz::Require(code.has_value() && code->size() == kLampCodeLength,
                          "a valid pattern encodes to a full code");
            const bool lights = pattern->find_first_not_of('0', 1) != std::string::npos;
            fuzz::Require(DecodeLampCode(*code) == (lights ? *pattern : std::string()),
                          "a pattern survives a round trip");
        }
    }

    // The same bytes taken as a user pattern (a hand-edited preferences file).
    const bool valid = IsValidUserLampPattern(text);
    for (bool idle : {false, true}) {
        const std::optional<std::string> code = EncodeLampPattern(text, idle);
        fuzz::Require(code.has_value() == valid, "exactly the valid patterns encode");
        if (code) {
            fuzz::Require(code->size() == kLampCodeLength, "a code is 22 characters");
        }
    }
    return 0;
}

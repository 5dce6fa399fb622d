// Packed values (the authentication code from a terminal or a file, Base64 of zlib data): any
// text unpacks to a bounded text or to nothing; packed text comes back as it went in.

#include "FuzzSupport.h"
#include "model/Pack.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);

    const std::string unpacked = Unpack(text);
    fuzz::Require(unpacked.size() <= kUnpackLimit, "unpacking is bounded");
    fuzz::Require(unpacked.find('\0') == std::string::npos, "an unpacked text ends at a zero");

    if (const std::optional<std::string> decoded = Base64Decode(text)) {
        fuzz::Require(decoded->size() <= text.size(), "Base64 never grows");
        const std::optional<std::string> inflated = Inflate(*decoded, kUnpackLimit);
        fuzz::Require(!inflated || inflated->size() <= kUnpackLimit, "inflating is bounded");
    }

    if (size <= kUnpackLimit) {
        const std::string original(text.substr(0, text.find('\0')));
        fuzz::Require(Unpack(PackBase64(text)) == original, "a packed text unpacks to itself");
        fuzz::Require(Inflate(Pack(text), kUnpackLimit) == std::string(text),
                      "a compressed text inflates to itself");
        fuzz::Require(Base64Decode(Base64Encode(text)) == std::string(text),
                      "Base64 gives back its bytes");
    }
    return 0;
}

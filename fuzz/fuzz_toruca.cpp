// Toruca files: any content is refused with 915 or gives a record whose fields keep to the
// limits the Toruca page and the terminal hold them to.

#include "FuzzSupport.h"
#include "files/TorucaFile.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TorucaFileResult result = ParseTorucaFile(fuzz::AsText(data, size));
    fuzz::Require(result.record.has_value() == result.message.empty(),
                  "a refused file has a message, an accepted one none");
    if (size > kTorucaFileMaxSize) {
        fuzz::Require(!result.record.has_value(), "an oversized file is refused");
    }
    return 0;
}

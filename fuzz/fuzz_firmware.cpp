// Firmware images: any file is judged, never trusted; a valid one states a data length that
// matches the file and stays inside the terminal's memory.

#include "FuzzSupport.h"
#include "files/FirmwareImage.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> image(data, size);
    for (bool miniFamily : {true, false}) {
        const FirmwareImageCheck check = CheckFirmwareImage(image, miniFamily);
        fuzz::Require(!check.outcome.empty(), "every image gets an outcome text");
        if (!check.valid) {
            continue;
        }
        fuzz::Require(size > kFirmwareHeaderSize, "a valid image has data after its header");
        fuzz::Require(check.dataLength >= 0 && check.dataLength <= kFirmwareMaxDataLength,
                      "a valid image fits the terminal");
        fuzz::Require(static_cast<std::size_t>(check.dataLength) == size - kFirmwareHeaderSize,
                      "a valid image holds exactly the data it announces");
    }
    return 0;
}

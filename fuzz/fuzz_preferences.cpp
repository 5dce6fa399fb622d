// The preferences file, which a user may edit by hand or carry over from another machine: any
// content reads to values inside their ranges, and a save keeps every other line while the
// value saved is the value read back.

#include "FuzzSupport.h"
#include "files/Preferences.h"
#include "model/LampPattern.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile file("MorvikTool.ini");
    file.Write(fuzz::AsText(data, size));

    Preferences preferences(file.Path());
    preferences.Load();
    fuzz::Require(preferences.Port() >= 1 && preferences.Port() <= 256, "the port is 1..256");
    fuzz::Require(
        preferences.ServiceBrowserUrl().size() <= Preferences::kServiceBrowserUrlMax &&
            preferences.ServiceBrowserMessage().size() <= Preferences::kServiceBrowserMessageMax &&
            preferences.ServiceTorucaUrl().size() <= Preferences::kServiceTorucaUrlMax &&
            preferences.ServiceTorucaIcon().size() <= Preferences::kServiceTorucaIconMax,
        "service defaults keep to their lengths");
    for (int number = 1; number <= Preferences::kUserLampCount; ++number) {
        (void)EncodeLampPattern(preferences.ReadUserLamp(number), false);
    }

    // Saving a port and the close flag, then reading them back, whatever else the file holds.
    const int port = 1 + static_cast<int>(size % 256);
    preferences.SetPort(port);
    preferences.SetCloseAfterWrite(size % 2 == 1);
    fuzz::Require(preferences.Save(), "the preferences can be saved");
    Preferences reread(file.Path());
    reread.Load();
    fuzz::Require(reread.Port() == port, "the saved port reads back");
    fuzz::Require(reread.CloseAfterWrite() == (size % 2 == 1), "the saved close flag reads back");
    return 0;
}

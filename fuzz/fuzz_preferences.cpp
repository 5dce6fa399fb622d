// The preferences file, which a user may edit by hand or carry over from another machine: any
// content reads to values inside their ranges, and a save keeps every other line while the
// value saved is the value read back. Read and saved in memory, as the file reader and the
// saver see the file's text.

#include "FuzzSupport.h"
#include "files/Preferences.h"
#include "model/LampPattern.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    Preferences preferences("");
    preferences.LoadText(text);
    fuzz::Require(preferences.Port() >= 1 && preferences.Port() <= 256, "the port is 1..256");
    fuzz::Require(
        preferences.ServiceBrowserUrl().size() <= Preferences::kServiceBrowserUrlMax &&
            preferences.ServiceBrowserMessage().size() <= Preferences::kServiceBrowserMessageMax &&
            preferences.ServiceTorucaUrl().size() <= Preferences::kServiceTorucaUrlMax &&
            preferences.ServiceTorucaIcon().size() <= Preferences::kServiceTorucaIconMax,
        "service defaults keep to their lengths");
    for (int number = 1; number <= Preferences::kUserLampCount; ++number) {
        (void)EncodeLampPattern(Preferences::UserLampInText(text, number), false);
    }

    // Saving a port and the close flag, then reading them back, whatever else the file holds.
    const int port = 1 + static_cast<int>(size % 256);
    preferences.SetPort(port);
    preferences.SetCloseAfterWrite(size % 2 == 1);
    const std::string saved = preferences.SavedText(text);
    Preferences reread("");
    reread.LoadText(saved);
    fuzz::Require(reread.Port() == port, "the saved port reads back");
    fuzz::Require(reread.CloseAfterWrite() == (size % 2 == 1), "the saved close flag reads back");
    fuzz::Require(reread.ServiceTorucaUrl() == preferences.ServiceTorucaUrl() &&
                      reread.ServiceBrowserMessage() == preferences.ServiceBrowserMessage(),
                  "a save keeps the other settings");
    return 0;
}

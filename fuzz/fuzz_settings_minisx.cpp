// MiniSx settings files: refused with a message or loaded; what was loaded and passes the
// window's checks before a save gives the same file when it is saved, loaded
// and saved again.

#include <algorithm>

#include "FuzzSupport.h"
#include "files/MiniFamilySettingsFile.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = std::string(fuzz::AsText(data, size)) + "\r\n";
    MiniSxSettings settings;
    const MiniReadResult first = LoadMiniSxSettingsText(text, settings);
    if (first.Failed()) {
        fuzz::Require(settings == MiniSxSettings{}, "a refused file leaves the settings untouched");
        return 0;
    }
    if (!ValidateMiniSxSettings(settings).empty()) {
        return 0;  // the window shows the messages and refuses to save
    }
    if (!fuzz::IsValidCp932(fuzz::AsText(data, size))) {
        return 0;  // damaged bytes need only be read without harm (see FuzzSupport.h)
    }
    std::for_each(settings.lamps.begin(), settings.lamps.end(), fuzz::DarkLampsAsEmpty);
    const std::string saved = MiniSxSettingsFileText(settings);
    MiniSxSettings again;
    const MiniReadResult second = LoadMiniSxSettingsText(saved + "\r\n", again);
    fuzz::Require(!second.Failed(), "a file the tool saved loads again");
    // Compared as the files they make: the category icon is written in upper case whatever case
    // it was read in.
    fuzz::Require(MiniSxSettingsFileText(again) == saved, "saving and loading keeps every setting");
    return 0;
}

// Mini/MiniS settings files: any text is either refused with a message or loaded, and whatever
// was loaded and passes the window's checks before a save gives the same file when it is saved,
// loaded and saved again (a file the tool wrote must always load, and load unchanged).

#include <algorithm>

#include "FuzzSupport.h"
#include "files/MiniFamilySettingsFile.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader appends CR LF to what it read, so a last line without one is found too.
    const std::string text = std::string(fuzz::AsText(data, size)) + "\r\n";
    MiniSettings settings;
    const MiniReadResult first = LoadMiniSettingsText(text, settings);
    if (first.Failed()) {
        fuzz::Require(settings == MiniSettings{}, "a refused file leaves the settings untouched");
        return 0;
    }
    if (!ValidateMiniSettings(settings).empty()) {
        return 0;  // the window shows the messages and refuses to save
    }
    if (!fuzz::IsValidCp932(fuzz::AsText(data, size))) {
        return 0;  // damaged bytes need only be read without harm (see FuzzSupport.h)
    }
    for (auto& set : settings.lamps.sets) {
        std::for_each(set.begin(), set.end(), fuzz::DarkLampsAsEmpty);
    }
    std::for_each(settings.lamps.guidance.begin(), settings.lamps.guidance.end(),
                  fuzz::DarkLampsAsEmpty);
    const std::string saved = MiniSettingsFileText(settings);
    MiniSettings again;
    const MiniReadResult second = LoadMiniSettingsText(saved + "\r\n", again);
    fuzz::Require(!second.Failed(), "a file the tool saved loads again");
    // Compared as the files they make: the category icon is written in upper case whatever case
    // it was read in.
    fuzz::Require(MiniSettingsFileText(again) == saved, "saving and loading keeps every setting");
    return 0;
}

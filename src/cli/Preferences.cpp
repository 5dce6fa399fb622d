#include "cli/Preferences.h"

#include "files/Preferences.h"

namespace morvik::cli {

std::string PreferencesPath() {
    return Preferences::DefaultPath();
}

int ReadPreferredPort(const std::string& path) {
    Preferences preferences(path);
    preferences.LoadPort();
    return preferences.Port();
}

}  // namespace morvik::cli

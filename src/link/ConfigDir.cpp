#include "link/ConfigDir.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace morvik {
namespace {

std::string NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

std::string ConfigDir() {
    if (auto dir = NonEmptyEnv("MORVIK_CONFIG_DIR"); !dir.empty()) {
        return dir;
    }
    if (auto xdg = NonEmptyEnv("XDG_CONFIG_HOME"); !xdg.empty()) {
        return xdg + "/MorvikTool";
    }
    std::string home = NonEmptyEnv("HOME");
    if (home.empty()) {
        // A service account started without a HOME still has a home in the password database.
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
            home = pw->pw_dir;
        }
    }
    return home + "/.config/MorvikTool";
}

}  // namespace morvik

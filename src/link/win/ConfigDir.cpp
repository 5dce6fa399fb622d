#include "link/ConfigDir.h"

#include <windows.h>
// windows.h first: the shell header needs its types.
#include <shlobj.h>

#include <cstdlib>

namespace morvik {

// $MORVIK_CONFIG_DIR when set, else MorvikTool in the user's roaming application-data folder
// (asked for without creating it).
std::string ConfigDir() {
    if (const char* dir = std::getenv("MORVIK_CONFIG_DIR"); dir && *dir) {
        return dir;
    }
    char folder[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_APPDATA, FALSE)) {
        folder[0] = '\0';
    }
    return std::string(folder) + "\\MorvikTool";
}

}  // namespace morvik

#include "link/ConfigDir.h"

#include <windows.h>
// windows.h first: the shell header needs its types.
#include <shlobj.h>

#include <cstdlib>
#include <filesystem>

#include "model/Utf8Path.h"

namespace morvik {

// $MORVIK_CONFIG_DIR when set, else MorvikTool in the user's roaming application-data folder
// (asked for without creating it).
std::string ConfigDir() {
    if (const char* dir = std::getenv("MORVIK_CONFIG_DIR"); dir && *dir) {
        return dir;
    }
    // Asked for in UTF-16 and kept in UTF-8, as every file name of the core: a user name in
    // Japanese reaches the same folder whatever the program's code page.
    wchar_t folder[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, FALSE)) {
        folder[0] = L'\0';
    }
    return Utf8FromPath(std::filesystem::path(folder)) + "\\MorvikTool";
}

}  // namespace morvik

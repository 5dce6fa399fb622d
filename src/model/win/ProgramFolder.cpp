#include <windows.h>

#include <system_error>

#include "model/SoundSlots.h"

namespace morvik {

std::filesystem::path ProgramFolder() {
    wchar_t self[32768];
    const DWORD length = ::GetModuleFileNameW(nullptr, self, sizeof self / sizeof self[0]);
    if (length > 0 && length < sizeof self / sizeof self[0]) {
        const std::filesystem::path path(std::wstring(self, length));
        if (path.has_parent_path()) {
            return path.parent_path();
        }
    }
    std::error_code error;
    return std::filesystem::current_path(error);
}

}  // namespace morvik

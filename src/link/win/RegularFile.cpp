#include "link/RegularFile.h"

#include <windows.h>

#include "model/Utf8Path.h"

namespace morvik {

std::optional<std::string> ReadRegularFile(const std::string& path, size_t maxBytes) {
    HANDLE file = ::CreateFileW(PathFromUtf8(path).wstring().c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return std::string();
        }
        return std::nullopt;
    }
    // A device name (NUL, CON, COMn) or a pipe opens too; only a disk file is read.
    std::string text;
    bool ok = ::GetFileType(file) == FILE_TYPE_DISK;
    while (ok) {
        char buffer[8192];
        DWORD n = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            ok = false;
            break;
        }
        if (n == 0) {
            break;
        }
        text.append(buffer, n);
        ok = text.size() <= maxBytes;
    }
    ::CloseHandle(file);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

}  // namespace morvik

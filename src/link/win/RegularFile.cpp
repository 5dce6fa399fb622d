#include "link/RegularFile.h"

#include <windows.h>

#include <algorithm>

namespace morvik {

FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    FileRead result;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            result.status = FileReadStatus::NotFound;
        }
        return result;
    }
    // A device name (NUL, CON, COMn) or a pipe opens too; only a disk file is read.
    LARGE_INTEGER size{};
    bool ok = ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileSizeEx(file, &size);
    std::string bytes;
    while (ok && bytes.size() <= maxBytes) {
        char buffer[8192];
        const DWORD want =
            static_cast<DWORD>(std::min<std::size_t>(sizeof buffer, maxBytes + 1 - bytes.size()));
        DWORD n = 0;
        if (!::ReadFile(file, buffer, want, &n, nullptr)) {
            ok = false;
            break;
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, n);
    }
    ::CloseHandle(file);
    if (!ok) {
        return result;
    }
    return FinishedRead(std::move(bytes), static_cast<std::uint64_t>(size.QuadPart), maxBytes);
}

}  // namespace morvik

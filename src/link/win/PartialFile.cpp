#include "link/PartialFile.h"

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

// The Windows side: the temporary file through the C runtime, the replace with MoveFileEx, which
// puts the new file in place of the old one in one step (or leaves the old one untouched).

namespace morvik {
namespace {

constexpr int kNameAttempts = 100;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string TempName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return FolderOf(target) + "\\.morvik-" + std::to_string(::_getpid()) + "-" +
           std::to_string(counter++) + ".part";
}

enum class TargetKind { Missing, File, Other };

// A device name (NUL, COM1, CON) opens as something other than a disk file; a folder or a
// read-only file may not be replaced.
TargetKind KindOf(const std::string& target) {
    const DWORD attributes = ::GetFileAttributesA(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? TargetKind::Missing : TargetKind::Other;
    }
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_READONLY)) {
        return TargetKind::Other;
    }
    HANDLE handle =
        ::CreateFileA(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return TargetKind::Other;
    }
    const DWORD type = ::GetFileType(handle);
    ::CloseHandle(handle);
    return type == FILE_TYPE_DISK ? TargetKind::File : TargetKind::Other;
}

}  // namespace

PartialFile::~PartialFile() {
    Discard();
}

bool PartialFile::Create(const std::string& target) {
    Discard();
    if (target.empty() || KindOf(target) == TargetKind::Other) {
        return false;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string temp = TempName(target);
        const int fd =
            ::_open(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
        if (fd >= 0) {
            fd_ = fd;
            target_ = target;
            temp_ = temp;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool PartialFile::CanCreate(const std::string& target) {
    PartialFile probe;
    const bool created = probe.Create(target);
    probe.Discard();
    return created;
}

bool PartialFile::Append(std::string_view bytes) {
    if (fd_ < 0) {
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t chunk = std::min<size_t>(bytes.size() - done, 1u << 30);
        const int n = ::_write(fd_, bytes.data() + done, static_cast<unsigned>(chunk));
        if (n <= 0) {
            NoteWriteFailure();
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

void PartialFile::NoteWriteFailure() {
    // The C runtime gives ENOSPC for ERROR_DISK_FULL and ERROR_HANDLE_DISK_FULL alike.
    diskFull_ = diskFull_ || errno == ENOSPC;
}

bool PartialFile::Commit() {
    if (fd_ < 0) {
        return false;
    }
    bool ok = ::_commit(fd_) == 0;
    if (!ok) {
        NoteWriteFailure();
    }
    if (::_close(fd_) != 0) {
        NoteWriteFailure();
        ok = false;
    }
    fd_ = -1;
    // The target may have become something else while the file was written.
    ok = ok && KindOf(target_) != TargetKind::Other;
    if (ok && ::MoveFileExA(temp_.c_str(), target_.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        temp_.clear();
        return true;
    }
    Discard();
    return false;
}

void PartialFile::Discard() {
    if (fd_ >= 0) {
        ::_close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::DeleteFileA(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace morvik

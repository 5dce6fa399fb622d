#include "link/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace morvik {

FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    FileRead result;
    // Judged by name first, so that a device is never opened at all (opening a serial line raises
    // its modem lines), then by what was opened, in case the name changed in between.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            result.status = FileReadStatus::NotFound;
        }
        return result;
    }
    if (!S_ISREG(named.st_mode)) {
        return result;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            result.status = FileReadStatus::NotFound;
        }
        return result;
    }
    struct stat opened {};
    bool ok = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    std::string bytes;
    while (ok && bytes.size() <= maxBytes) {
        char buffer[8192];
        const std::size_t want = std::min(sizeof buffer, maxBytes + 1 - bytes.size());
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) {
        return result;
    }
    return FinishedRead(std::move(bytes), static_cast<std::uint64_t>(opened.st_size), maxBytes);
}

}  // namespace morvik

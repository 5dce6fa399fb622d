#include "link/PartialFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <optional>

namespace morvik {
namespace {

constexpr int kNameAttempts = 100;
// Links followed before a chain counts as a loop (the kernel's own limit).
constexpr int kMaxLinkHops = 40;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The path a save really writes: a symbolic link (or a chain of them) is followed to the name it
// points at, which need not exist yet. nullopt for a loop.
std::optional<std::string> FollowLinks(const std::string& target) {
    std::string path = target;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return path;
        }
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0) {
            return std::nullopt;
        }
        const std::string link(buffer, static_cast<size_t>(n));
        path = link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
    return std::nullopt;
}

// The temporary name is short and fixed in length, beside the target: a target whose own name is
// as long as a file name may be still gets a temporary file.
std::string TempName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return FolderOf(target) + "/.morvik-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + ".part";
}

}  // namespace

PartialFile::~PartialFile() {
    Discard();
}

bool PartialFile::Create(const std::string& target) {
    Discard();
    if (target.empty()) {
        return false;
    }
    const std::optional<std::string> real = FollowLinks(target);
    if (!real) {
        return false;
    }
    struct stat old {};
    const bool exists = ::stat(real->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        return false;
    }
    if (exists && (!S_ISREG(old.st_mode) || ::access(real->c_str(), W_OK) != 0)) {
        return false;
    }
    // An existing file's mode from the start, so that its contents are never more readable
    // while they are written than they were before.
    const mode_t mode = exists ? (old.st_mode & 0777) : 0666;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string temp = TempName(*real);
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0) {
            fd_ = fd;
            target_ = *real;
            temp_ = temp;
            if (exists) {
                // The umask may have taken bits of the old mode away at the open.
                (void)::fchmod(fd, mode);
                if (::geteuid() == 0 && old.st_uid != 0) {
                    // Root saving over another user's file gives it back to its owner.
                    (void)!::fchown(fd, old.st_uid, old.st_gid);
                }
            }
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
        ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            NoteWriteFailure();
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

void PartialFile::NoteWriteFailure() {
    diskFull_ = diskFull_ || errno == ENOSPC || errno == EFBIG || errno == EDQUOT;
}

bool PartialFile::Commit() {
    if (fd_ < 0) {
        return false;
    }
    bool ok = ::fsync(fd_) == 0;
    if (!ok) {
        NoteWriteFailure();
    }
    if (::close(fd_) != 0) {
        NoteWriteFailure();
        ok = false;
    }
    fd_ = -1;
    // The target may have become something else while the file was written.
    struct stat now {};
    if (ok && ::lstat(target_.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) {
        ok = false;
    }
    if (ok && std::rename(temp_.c_str(), target_.c_str()) == 0) {
        temp_.clear();
        return true;
    }
    Discard();
    return false;
}

void PartialFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace morvik

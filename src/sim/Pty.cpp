#include "sim/Pty.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace morvik::sim {
Pty::~Pty() {
    Close();
}

bool Pty::Open(std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("疑似端末を作成できません: ") + std::strerror(errno);
        Close();
        return false;
    }
    const char* name = ptsname(master_);
    if (name == nullptr) {
        error = std::string("疑似端末の名前を取得できません: ") + std::strerror(errno);
        Close();
        return false;
    }
    slavePath_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = "疑似端末を開けません: " + slavePath_ + ": " + std::strerror(errno);
        Close();
        return false;
    }
    // Raw line: no echo by the line discipline, no line buffering, no CR/LF translation. The
    // tool sets its own settings when it opens the device; these hold until then.
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    cfsetispeed(&t, B115200);
    cfsetospeed(&t, B115200);
    t.c_cflag |= CLOCAL | CREAD;
    tcsetattr(slave_, TCSANOW, &t);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

void Pty::Close() {
    if (slave_ >= 0) {
        close(slave_);
        slave_ = -1;
    }
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
}

std::string Pty::Read(std::size_t max) {
    std::string out;
    char buf[4096];
    while (master_ >= 0 && out.size() < max) {
        ssize_t n = read(master_, buf, std::min(sizeof buf, max - out.size()));
        if (n <= 0) {
            break;
        }
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::size_t Pty::WriteSome(std::string_view data) {
    std::size_t done = 0;
    while (master_ >= 0 && done < data.size()) {
        ssize_t n = write(master_, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // no room (EAGAIN), or the line is gone
        }
    }
    return done;
}

bool MakeLink(const std::string& target, const std::string& path, bool replace,
              std::string& error) {
    std::error_code ec;
    std::filesystem::path p(path);
    if (p.has_parent_path()) {
        std::filesystem::create_directories(p.parent_path(), ec);
    }
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode) || !replace) {
            error = "リンクを作れません (ファイルが既にあります): " + path;
            return false;
        }
        unlink(path.c_str());
    }
    if (symlink(target.c_str(), path.c_str()) != 0) {
        error = "リンクを作れません: " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void RemoveLink(const std::string& target, const std::string& path) {
    char buf[4096];
    ssize_t n = readlink(path.c_str(), buf, sizeof buf - 1);
    if (n > 0 && std::string(buf, static_cast<size_t>(n)) == target) {
        unlink(path.c_str());
    }
}

std::string PortsFolder() {
    if (const char* dir = std::getenv("MORVIK_CONFIG_DIR"); dir != nullptr && *dir != '\0') {
        return std::string(dir) + "/ports";
    }
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        return std::string(xdg) + "/MorvikTool/ports";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/MorvikTool/ports";
}

}  // namespace morvik::sim

#include "sim/Pty.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

namespace morvik::sim {
namespace {

// A USB serial adapter hands received data to the PC in small packets, a few milliseconds apart.
constexpr size_t kPieceSize = 7;
constexpr auto kPiecePause = std::chrono::milliseconds(12);
// How long a write may wait for the tool to make room before the data is dropped.
constexpr int kWriteStallMs = 3000;

}  // namespace

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

std::string Pty::Read() {
    std::string out;
    char buf[4096];
    while (master_ >= 0) {
        ssize_t n = read(master_, buf, sizeof buf);
        if (n <= 0) {
            break;
        }
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

void Pty::WriteNow(std::string_view data) {
    size_t done = 0;
    while (master_ >= 0 && done < data.size()) {
        ssize_t n = write(master_, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        }
        pollfd p{master_, POLLOUT, 0};
        if (poll(&p, 1, kWriteStallMs) <= 0) {
            return;
        }
    }
}

void Pty::Write(std::string_view data, const LinePacing& pacing) {
    size_t piece = pacing.pieces ? kPieceSize : (pacing.baud > 0 ? 16 : data.size());
    for (size_t pos = 0; pos < data.size(); pos += piece) {
        std::string_view part = data.substr(pos, piece);
        if (pos > 0 && pacing.pieces) {
            std::this_thread::sleep_for(kPiecePause);
        }
        WriteNow(part);
        if (pacing.baud > 0) {
            // Ten bits per byte on the wire: start bit, eight data bits, stop bit.
            std::this_thread::sleep_for(
                std::chrono::microseconds(part.size() * 10'000'000LL / pacing.baud));
        }
    }
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

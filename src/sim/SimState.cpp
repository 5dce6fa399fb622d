#include "sim/SimState.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "link/RegularFile.h"
#include "sim/TerminalText.h"

namespace morvik::sim {
namespace {

// Far more than a state file of any edition holds (the detection log is at most some 10,000
// records).
constexpr std::size_t kStateFileMaxBytes = 64 * 1024 * 1024;

std::string Encode(const std::string& value) {
    std::string out;
    for (char c : value) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || b == '%') {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", b);
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

bool Decode(const std::string& text, std::string& out) {
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size() || HexValue(text[i + 1]) < 0 || HexValue(text[i + 2]) < 0) {
            return false;
        }
        out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
        i += 2;
    }
    return true;
}

template <typename T>
bool Number(const std::string& text, T& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

SimState SimState::Factory(const Edition& edition) {
    SimState s;
    s.version = edition.defaultVersion;
    for (const auto& key : edition.keys) {
        s.params[key] = edition.FactoryValue(key);
    }
    s.ndef = edition.FactoryNdef();
    return s;
}

bool LoadState(const std::string& path, const Edition& edition, SimState& state,
               std::string& error) {
    // A state file that is not there yet starts from the factory state; one that is there but
    // cannot be read (a FIFO, a folder) is an error rather than a hang or a silent start afresh.
    const FileRead file = ReadRegularFile(path, kStateFileMaxBytes);
    if (file.status == FileReadStatus::NotFound) {
        return true;
    }
    if (!file.Ok()) {
        error = "状態ファイルを読めません: " + path;
        return false;
    }
    std::istringstream in(file.bytes);
    std::string line;
    int number = 0;
    std::vector<DetectionRecord> records;
    bool sawLog = false;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        size_t space = line.find(' ');
        std::string item = line.substr(0, space);
        std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        bool ok = true;
        if (item == "version") {
            ok = Decode(rest, state.version);
        } else if (item == "tid") {
            ok = Decode(rest, state.tid);
        } else if (item == "boot") {
            ok = Number(rest, state.boot);
        } else if (item == "wdog") {
            ok = Number(rest, state.wdog);
        } else if (item == "clock_offset") {
            ok = Number(rest, state.clockOffset);
        } else if (item == "touches") {
            ok = Number(rest, state.touches);
        } else if (item == "ndef") {
            ok = Decode(rest, state.ndef);
        } else if (item == "param") {
            size_t s2 = rest.find(' ');
            std::string key = rest.substr(0, s2);
            std::string value;
            ok = Decode(s2 == std::string::npos ? "" : rest.substr(s2 + 1), value);
            if (ok && edition.HasKey(key)) {
                state.params[key] = value;
            }
        } else if (item == "dlog") {
            sawLog = true;
            auto bytes = HexPairs(rest);
            ok = bytes && bytes->size() == kDetectionRecordSize;
            if (ok) {
                records.push_back(*bytes);
            }
        } else if (item == "dlog-empty") {
            sawLog = true;
        } else if (item != "edition") {
            ok = false;
        }
        if (!ok) {
            error = "状態ファイルの " + std::to_string(number) + " 行目が不正です: " + path;
            return false;
        }
    }
    if (sawLog) {
        state.detectionLog = std::move(records);
    }
    return true;
}

bool SaveState(const std::string& path, const SimState& state, std::string& error) {
    std::ostringstream out;
    out << "# morvik-sim state\n";
    out << "version " << Encode(state.version) << "\n";
    out << "tid " << Encode(state.tid) << "\n";
    out << "boot " << state.boot << "\n";
    out << "wdog " << state.wdog << "\n";
    out << "clock_offset " << state.clockOffset << "\n";
    out << "touches " << state.touches << "\n";
    for (const auto& [key, value] : state.params) {
        out << "param " << key << " " << Encode(value) << "\n";
    }
    out << "ndef " << Encode(state.ndef) << "\n";
    if (state.detectionLog.empty()) {
        out << "dlog-empty\n";
    }
    for (const auto& rec : state.detectionLog) {
        out << "dlog ";
        for (char c : rec) {
            char buf[3];
            std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(c));
            out << buf;
        }
        out << "\n";
    }
    std::string text = out.str();

    // A name of its own, created exclusively: a link planted at a fixed temporary name would
    // otherwise have the state written wherever it points.
    std::string temp = path + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd >= 0) {
        fchmod(fd, 0644);
    }
    if (fd < 0) {
        error = "状態ファイルを書けません: " + temp + ": " + std::strerror(errno);
        return false;
    }
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            error = "状態ファイルを書けません: " + temp + ": " + std::strerror(errno);
            close(fd);
            unlink(temp.c_str());
            return false;
        }
        done += static_cast<size_t>(n);
    }
    if (close(fd) != 0 || rename(temp.c_str(), path.c_str()) != 0) {
        error = "状態ファイルを書けません: " + path + ": " + std::strerror(errno);
        unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace morvik::sim

#include "sim/TerminalText.h"

#include <zlib.h>

#include <vector>

namespace morvik::sim {

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string EscapeValue(std::string_view raw) {
    std::string out;
    out.reserve(raw.size() + raw.size() / 4);
    for (size_t i = 0; i < raw.size(); ++i) {
        auto c = static_cast<unsigned char>(raw[i]);
        if (IsLeadByte(c) && i + 1 < raw.size()) {
            out += raw[i];
            out += raw[i + 1];
            // A second byte 0x5C looks like a backslash to a byte-wise reader; the extra
            // backslash lets the terminal's reader find the end of the character.
            if (raw[i + 1] == '\\') {
                out += '\\';
            }
            ++i;
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
            out += "\\r\\n";
            ++i;
        } else if (c == ' ') {
            out += "\\s";
        } else {
            out += raw[i];
        }
    }
    return out;
}

std::string UnescapeValue(std::string_view escaped) {
    // First drop the backslash that follows a double-byte character ending in 0x5C.
    std::string repaired;
    repaired.reserve(escaped.size());
    for (size_t i = 0; i < escaped.size(); ++i) {
        auto c = static_cast<unsigned char>(escaped[i]);
        if (IsLeadByte(c) && i + 1 < escaped.size()) {
            repaired += escaped[i];
            repaired += escaped[i + 1];
            if (escaped[i + 1] == '\\' && i + 2 < escaped.size() && escaped[i + 2] == '\\') {
                ++i;
            }
            ++i;
        } else {
            repaired += escaped[i];
        }
    }
    std::string out;
    out.reserve(repaired.size());
    for (size_t i = 0; i < repaired.size(); ++i) {
        auto c = static_cast<unsigned char>(repaired[i]);
        std::string_view rest(repaired.data() + i, repaired.size() - i);
        if (IsLeadByte(c) && i + 1 < repaired.size()) {
            out += repaired[i];
            out += repaired[i + 1];
            ++i;
        } else if (rest.substr(0, 2) == "\\\\") {
            out += '\\';
            ++i;
        } else if (rest.substr(0, 4) == "\\r\\n") {
            out += "\r\n";
            i += 3;
        } else if (rest.substr(0, 2) == "\\s") {
            out += ' ';
            ++i;
        } else {
            out += repaired[i];
        }
    }
    return out;
}

uint8_t NegatedSum(std::string_view bytes) {
    unsigned sum = 0;
    for (char b : bytes) {
        sum += static_cast<unsigned char>(b);
    }
    return static_cast<uint8_t>(0x100 - (sum & 0xFF));
}

std::optional<std::string> HexPairs(std::string_view text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string out;
    for (size_t i = 0; i < text.size(); i += 2) {
        int hi = HexValue(text[i]);
        int lo = HexValue(text[i + 1]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

std::string Base64(std::string_view bytes) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                     (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                     static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        bool two = i + 1 < bytes.size();
        if (two) {
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        }
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += two ? kAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string PackText(std::string_view text) {
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    std::vector<Bytef> buffer(size);
    if (compress2(buffer.data(), &size, reinterpret_cast<const Bytef*>(text.data()),
                  static_cast<uLong>(text.size()), Z_DEFAULT_COMPRESSION) != Z_OK) {
        return {};
    }
    return Base64(std::string_view(reinterpret_cast<const char*>(buffer.data()), size));
}

}  // namespace morvik::sim

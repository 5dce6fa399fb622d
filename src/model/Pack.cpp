#include "model/Pack.h"

#include <zlib.h>

#include <array>
#include <climits>
#include <cstdint>

namespace morvik {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Base64 text in settings files and replies is wrapped every 76 characters, as in mail.
constexpr std::size_t kBase64LineLength = 76;

int Base64Value(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    if (c == '+') {
        return 62;
    }
    if (c == '/') {
        return 63;
    }
    return -1;
}

bool IsSkippedInBase64(char c) {
    return c == '=' || c == '\r' || c == '\n' || c == ' ' || c == '\t';
}

}  // namespace

std::string Pack(std::string_view text) {
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK) {
        return {};
    }
    out.resize(size);
    return out;
}

std::string Base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4 + bytes.size() / 57 + 1);
    std::size_t written = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (n > 1) {
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        }
        if (n > 2) {
            group |= static_cast<unsigned char>(bytes[i + 2]);
        }
        out += kAlphabet[(group >> 18) & 0x3F];
        out += kAlphabet[(group >> 12) & 0x3F];
        out += n > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=';
        out += n > 2 ? kAlphabet[group & 0x3F] : '=';
        written += 4;
        if (written % kBase64LineLength == 0) {
            out += '\n';
        }
    }
    return out;
}

std::string PackBase64(std::string_view text) {
    return Base64Encode(Pack(text));
}

std::optional<std::string> Base64Decode(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 4 * 3 + 3);
    std::uint32_t bits = 0;
    int pending = 0;  // characters of the current group of four
    for (char c : text) {
        if (IsSkippedInBase64(c)) {
            continue;
        }
        const int value = Base64Value(static_cast<unsigned char>(c));
        if (value < 0) {
            return std::nullopt;
        }
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        if (++pending == 4) {
            out += static_cast<char>((bits >> 16) & 0xFF);
            out += static_cast<char>((bits >> 8) & 0xFF);
            out += static_cast<char>(bits & 0xFF);
            bits = 0;
            pending = 0;
        }
    }
    // A short last group (its padding removed) still carries whole bytes: two characters hold
    // one byte, three hold two. One character alone holds none and means damaged text.
    if (pending == 1) {
        return std::nullopt;
    }
    if (pending == 2) {
        out += static_cast<char>((bits >> 4) & 0xFF);
    } else if (pending == 3) {
        out += static_cast<char>((bits >> 10) & 0xFF);
        out += static_cast<char>((bits >> 2) & 0xFF);
    }
    return out;
}

std::optional<std::string> Inflate(std::string_view compressed, std::size_t maxSize) {
    if (compressed.size() > UINT_MAX) {
        return std::nullopt;
    }
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());

    std::string out;
    std::array<char, 16384> chunk{};
    std::optional<std::string> result;
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        const int rc = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = chunk.size() - stream.avail_out;
        if (produced > maxSize - out.size()) {
            break;  // more than the caller can take: damaged data or a bomb
        }
        out.append(chunk.data(), produced);
        if (rc == Z_STREAM_END) {
            result = std::move(out);
            break;
        }
        // Z_BUF_ERROR here means the input ended before the stream did.
        if (rc != Z_OK) {
            break;
        }
    }
    inflateEnd(&stream);
    return result;
}

std::string Unpack(std::string_view base64) {
    const std::optional<std::string> bytes = Base64Decode(base64);
    if (!bytes) {
        return {};
    }
    std::optional<std::string> text = Inflate(*bytes, kUnpackLimit);
    if (!text) {
        return {};
    }
    const std::size_t zero = text->find('\0');
    if (zero != std::string::npos) {
        text->resize(zero);
    }
    return std::move(*text);
}

}  // namespace morvik

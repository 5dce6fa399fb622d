#include "protocol/WriteVerification.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "model/Escape.h"
#include "model/TextExtract.h"
#include "model/Validators.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/ReplyText.h"
#include "protocol/ReplyWords.h"
#include "res/Strings.h"

namespace morvik {

namespace {

// Plain settings: the terminal answers with the value as it stored it.
constexpr std::array<std::string_view, 25> kEchoList = {
    "func", "que1", "que2", "disp", "sov1", "snv1", "spv1", "sob1", "snb1",
    "spb1", "sov2", "snv2", "spv2", "sob2", "snb2", "spb2", "pnt",  "rslt",
    "tlog", "fchg", "pow",  "rtcc", "isc",  "smp",  "nfc"};
// Free texts (function records, periodic guidance): a checksum over the unescaped bytes.
constexpr std::array<std::string_view, 7> kTextChecksumList = {"psh1", "psh2", "psA1", "psB1",
                                                               "psA2", "psB2", "pntT"};
// Lamp codes: a checksum over the bytes their hex digit pairs encode.
constexpr std::array<std::string_view, 16> kHexChecksumList = {
    "lov1", "lnv1", "liv1", "lpv1", "lob1", "lnb1", "lib1", "lpb1",
    "lov2", "lnv2", "liv2", "lpv2", "lob2", "lnb2", "lib2", "lpb2"};

constexpr std::string_view kIscName = "isc";

template <size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// The token the terminal reported: the word after "done" and a space, in the reply up to its
// prompt with the line end removed.
std::string ReportedToken(const std::string& reply) {
    const size_t prompt = reply.find('%');
    const std::string work =
        prompt == std::string::npos ? std::string() : TrimRight(reply.substr(0, prompt), "\r\n");
    return WordAfter(work, ReplyWord::Done() + " ");
}

bool VerifyParameterWrite(const std::string& line, const std::string& reply) {
    const std::string name = ParameterName(line);
    const WriteCheck check = WriteCheckOf(name);
    if (check == WriteCheck::None) {
        return true;
    }
    const std::string token = ReportedToken(reply);
    const std::string sent = WordAfter(line, name + " ");
    switch (check) {
        case WriteCheck::Echo:
            if (name == kIscName) {
                return token == res::Format("%d", ParseDecimal(sent));
            }
            return token == sent;
        case WriteCheck::TextChecksum:
            return Lower(token) == TextChecksumToken(sent);
        case WriteCheck::HexChecksum: {
            const std::string expected = HexChecksumToken(sent);
            return !expected.empty() && Lower(token) == expected;
        }
        case WriteCheck::None:
            break;
    }
    return true;
}

// "ndef s <query> <url>": the token covers the URL bytes as sent (nothing for an empty URL).
bool VerifyNdefWrite(const std::string& line, const std::string& reply) {
    size_t at = std::string::npos;
    size_t from = 0;
    for (int spaces = 0; spaces < 3; ++spaces) {
        at = line.find(' ', from);
        if (at == std::string::npos) {
            break;
        }
        from = at + 1;
    }
    const std::string data = at == std::string::npos ? std::string() : line.substr(at + 1);
    return Upper(ReportedToken(reply)) == ChecksumToken(data, true);
}

}  // namespace

WriteCheck WriteCheckOf(std::string_view name) {
    if (Contains(kEchoList, name)) {
        return WriteCheck::Echo;
    }
    if (Contains(kTextChecksumList, name)) {
        return WriteCheck::TextChecksum;
    }
    if (Contains(kHexChecksumList, name)) {
        return WriteCheck::HexChecksum;
    }
    return WriteCheck::None;
}

std::string ChecksumToken(std::string_view bytes, bool upperCase) {
    uint8_t sum = 0;
    for (char c : bytes) {
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    }
    const auto token = static_cast<unsigned>(static_cast<uint8_t>(-sum));
    return res::Format(upperCase ? "%02X" : "%02x", token);
}

std::string TextChecksumToken(std::string_view escapedValue) {
    return ChecksumToken(Unescape(escapedValue));
}

std::string HexChecksumToken(std::string_view hexValue) {
    if (hexValue.size() % 2 != 0) {
        return std::string();
    }
    std::string bytes;
    for (size_t i = 0; i < hexValue.size(); i += 2) {
        const int high = HexDigit(hexValue[i]);
        const int low = HexDigit(hexValue[i + 1]);
        if (high < 0 || low < 0) {
            return std::string();
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return ChecksumToken(bytes);
}

bool VerifyWrite(const std::string& line, const std::string& reply) {
    if (line.starts_with(Texts::ParameterSetCommand())) {
        return VerifyParameterWrite(line, reply);
    }
    if (line.starts_with(Texts::NdefSetCommand())) {
        return VerifyNdefWrite(line, reply);
    }
    return true;
}

}  // namespace morvik

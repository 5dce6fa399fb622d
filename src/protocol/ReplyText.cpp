#include "protocol/ReplyText.h"

namespace morvik {

std::string ParameterName(const std::string& line) {
    const std::string padded = line + " ";
    const size_t first = padded.find(' ');
    const size_t second = padded.find(' ', first + 1);
    if (second == std::string::npos) {
        return std::string();
    }
    return padded.substr(first + 1, second - first - 1);
}

void ReplaceZeroBytes(std::string& text, size_t from) {
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\0') {
            text[i] = ' ';
        }
    }
}

void RemoveAll(std::string& text, std::string_view what) {
    if (what.empty()) {
        return;
    }
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    for (;;) {
        const size_t hit = text.find(what, pos);
        if (hit == std::string::npos) {
            out.append(text, pos, std::string::npos);
            break;
        }
        out.append(text, pos, hit - pos);
        pos = hit + what.size();
    }
    text = std::move(out);
}

void TrimSpaces(std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    const size_t last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
}

std::string WordAfter(const std::string& text, const std::string& marker) {
    const std::string padded = text + " ";
    const size_t at = padded.find(marker);
    if (at == std::string::npos) {
        return std::string();
    }
    const size_t start = at + marker.size();
    const size_t end = padded.find(' ', start);
    return padded.substr(start, end - start);
}

}  // namespace morvik

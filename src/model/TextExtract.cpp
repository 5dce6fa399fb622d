#include "model/TextExtract.h"

#include "model/TextChars.h"

namespace morvik {

TakenCharacters TakeEscapedCharacters(std::string_view text, std::size_t start, std::size_t count) {
    TakenCharacters taken;
    if (text.empty() || start > text.size() || count > text.size() - start) {
        return taken;
    }
    std::size_t i = start;
    std::size_t characters = 0;
    // A record whose lengths claim more than it holds stops at its end instead of reading on.
    while (characters < count && i < text.size()) {
        const std::size_t len = (text[i] == '\\' && i + 1 < text.size()) ? 2 : 1;
        i += len;
        ++characters;
    }
    taken.piece.assign(text.substr(start, i - start));
    taken.rawCount = i - start;
    taken.complete = characters == count;
    return taken;
}

std::size_t FindCharacterWise(std::string_view text, std::string_view needle, std::size_t from) {
    for (std::size_t i = from; i <= text.size(); i += CharacterLength(text, i)) {
        if (text.substr(i).starts_with(needle)) {
            return i;
        }
        if (i == text.size()) {
            break;
        }
    }
    return std::string_view::npos;
}

std::string ValueBetweenMarkers(std::string_view text, std::string_view startMarker,
                                std::string_view endMarker) {
    if (text.empty()) {
        return {};
    }
    const std::size_t begin = FindCharacterWise(text, startMarker);
    if (begin == std::string_view::npos) {
        return {};
    }
    const std::size_t valueStart = begin + startMarker.size();
    const std::size_t end = FindCharacterWise(text, endMarker, valueStart);
    if (end == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(valueStart, end - valueStart));
}

std::string TrimRight(std::string_view text, std::string_view characters) {
    auto inSet = [characters](std::string_view character) {
        for (std::size_t j = 0; j < characters.size(); j += CharacterLength(characters, j)) {
            if (characters.substr(j, CharacterLength(characters, j)) == character) {
                return true;
            }
        }
        return false;
    };
    std::size_t keep = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = CharacterLength(text, i);
        if (!inSet(text.substr(i, len))) {
            keep = i + len;
        }
        i += len;
    }
    return std::string(text.substr(0, keep));
}

}  // namespace morvik

#include "sim/Faults.h"

#include <algorithm>
#include <charconv>

namespace morvik::sim {
namespace {

bool AnyMatches(const std::vector<std::string>& keys, std::string_view line) {
    return std::any_of(keys.begin(), keys.end(),
                       [&](const std::string& k) { return Faults::LineMatches(line, k); });
}

std::optional<int> PositiveNumber(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool Faults::LineMatches(std::string_view line, std::string_view key) {
    if (key.empty()) {
        return false;
    }
    if (line == key || (line.size() > key.size() && line.substr(0, key.size()) == key &&
                        line[key.size()] == ' ')) {
        return true;
    }
    size_t first = line.find(' ');
    if (first == std::string_view::npos) {
        return false;
    }
    std::string_view second = line.substr(first + 1);
    return second.substr(0, second.find(' ')) == key;
}

bool Faults::Add(std::string_view text, std::string& error) {
    size_t eq = text.find('=');
    std::string_view name = text.substr(0, eq);
    std::string_view value = eq == std::string_view::npos ? "" : text.substr(eq + 1);
    auto needsValue = [&](std::vector<std::string>& list) {
        if (value.empty()) {
            error =
                "障害 " + std::string(name) + " にはキーが必要です (" + std::string(name) + "=KEY)";
            return false;
        }
        list.emplace_back(value);
        return true;
    };
    auto needsBlock = [&](std::optional<int>& target) {
        target = PositiveNumber(value);
        if (!target) {
            error = "障害 " + std::string(name) + " にはブロック番号が必要です (" +
                    std::string(name) + "=N, N>=1)";
            return false;
        }
        return true;
    };
    if (name == "no-reply" && value.empty()) {
        noReply_ = true;
        return true;
    }
    if (name == "no-nak" && value.empty()) {
        noNak_ = true;
        return true;
    }
    if (name == "endless-log" && value.empty()) {
        endlessLog_ = true;
        return true;
    }
    if (name == "silent-key")
        return needsValue(silentKeys_);
    if (name == "silent-from")
        return needsValue(silentFrom_);
    if (name == "error-key")
        return needsValue(errorKeys_);
    if (name == "bad-token")
        return needsValue(badTokens_);
    if (name == "vanish")
        return needsValue(vanish_);
    if (name == "bad-block")
        return needsBlock(badBlock_);
    if (name == "drop-ack")
        return needsBlock(dropAck_);
    error = "不明な障害です: " + std::string(text);
    return false;
}

bool Faults::Silences(std::string_view line) {
    if (!silentFromReached_ && AnyMatches(silentFrom_, line)) {
        silentFromReached_ = true;
    }
    return silentFromReached_ || AnyMatches(silentKeys_, line);
}

bool Faults::AnswersError(std::string_view line) const {
    return AnyMatches(errorKeys_, line);
}

bool Faults::FalsifiesToken(std::string_view key) const {
    return std::find(badTokens_.begin(), badTokens_.end(), key) != badTokens_.end();
}

bool Faults::Vanishes(std::string_view line) const {
    return AnyMatches(vanish_, line);
}

bool Faults::TakeBadBlock(int block) {
    if (badBlock_ && *badBlock_ == block) {
        badBlock_.reset();
        return true;
    }
    return false;
}

bool Faults::TakeDropAck(int block) {
    if (dropAck_ && *dropAck_ == block) {
        dropAck_.reset();
        return true;
    }
    return false;
}

}  // namespace morvik::sim

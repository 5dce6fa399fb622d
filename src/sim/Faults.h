#pragma once
// Faults the simulator can be told to show, so that the tool's handling of a misbehaving
// terminal can be tested. A KEY names a parameter key ("que1"), a command word ("ver", "rtc")
// or a whole line ("dlog g"); it matches a received line that equals it, that starts with it and
// a space, or whose second word is it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvik::sim {

class Faults {
  public:
    // Adds one fault given as "name" or "name=value"; false with a message when it is unknown.
    bool Add(std::string_view text, std::string& error);

    bool NoReply() const { return noReply_; }
    // True when the line must go unanswered (silent-key, or silent-from once it has matched).
    bool Silences(std::string_view line);
    bool AnswersError(std::string_view line) const;
    bool FalsifiesToken(std::string_view key) const;
    bool NoNak() const { return noNak_; }
    // The detection log never ends: after its last block come further blocks instead of EOT.
    bool EndlessLog() const { return endlessLog_; }
    bool Vanishes(std::string_view line) const;
    // True once, for the given 1-based block of a detection log transfer.
    bool TakeBadBlock(int block);
    // True once, for the given 1-based block received.
    bool TakeDropAck(int block);

    static bool LineMatches(std::string_view line, std::string_view key);

  private:
    bool noReply_ = false;
    bool noNak_ = false;
    bool endlessLog_ = false;
    bool silentFromReached_ = false;
    std::vector<std::string> silentKeys_, silentFrom_, errorKeys_, badTokens_, vanish_;
    std::optional<int> badBlock_, dropAck_;
};

}  // namespace morvik::sim

#pragma once
// Random valid function records for round-trip tests. Texts are drawn from the characters that
// make records hard to cut: spaces, CR LF, backslashes, the letters of escape sequences,
// double-byte characters whose trail byte is 0x5C ("ソ", "表") or a letter, and half-width
// katakana. Fields are now and then filled to their byte limits.

#include <random>
#include <string>
#include <vector>

#include "model/Cp932.h"
#include "model/Escape.h"
#include "model/FunctionRecord.h"
#include "model/FunctionRecordValidate.h"
#include "support/Files.h"

namespace morvik::test {

class RecordGen {
  public:
    using Pieces = std::vector<std::string>;
    const Pieces kLine = {" ",        "\\",      "s",        "r",        "n",
                          "a",        "~",       "\\s",      Sjis("ソ"), Sjis("表"),
                          Sjis("ア"), Sjis("ｱ"), "\x83\x73", "\x95\x5C", "%"};
    const Pieces kLines = [this] {
        Pieces p = kLine;
        p.insert(p.end(), {"\r\n", "\r\n"});
        return p;
    }();
    const Pieces kAscii = {" ", "\\", "s", "a", "@", ".", "\\s", "~", "!", "^"};
    const Pieces kUrl = {"h", "t", ":", "/", ".", "?", "&", "=", "0", "Z", "_", "~", "%", "\""};
    const Pieces kAlnum = {"a", "Z", "0", "9"};

    explicit RecordGen(unsigned seed) : random_(seed) {}

    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Coin() { return Uniform(0, 1) == 1; }

    // A text of at most limit bytes (and at most room, which it then uses up), measured as
    // validation measures it: check-escaped for multi-line fields.
    std::string Text(const Pieces& pieces, int limit, int* room = nullptr, bool lines = false) {
        int most = room ? std::min(limit, *room) : limit;
        int target = Uniform(0, 5) == 0 ? most : Uniform(0, most);
        std::string text;
        for (int misses = 0; misses < 8;) {
            std::string next = text + pieces[Uniform(0, static_cast<int>(pieces.size()) - 1)];
            if (static_cast<int>(lines ? CheckEscape(next).size() : next.size()) > target) {
                ++misses;
            } else {
                text = next;
            }
        }
        if (room) {
            *room -= static_cast<int>(lines ? CheckEscape(text).size() : text.size());
        }
        return text;
    }

    BrowserRecord Browser() {
        int room = record_limits::kBrowserTotal - 1;
        std::string url = "h" + Text(kUrl, record_limits::kBrowserUrl - 1, &room);
        return {url, Text(kLines, record_limits::kBrowserMessage, &room, true)};
    }

    MailerRecord Mailer() {
        int room = record_limits::kMailerTotal - 1;
        MailerRecord r;
        r.to = "@" + Text(kAscii, 39, &room);
        r.cc = Text(kAscii, 40, &room);
        r.subject = Text(kLine, 40, &room);
        r.body = Text(kLines, 98, &room, true);
        r.message = Text(kLines, 32, &room, true);
        return r;
    }

    ApplicationRecord Application() {
        int room = record_limits::kApplicationTotal;
        ApplicationRecord r;
        r.url = Text(kUrl, 182, &room);
        r.code = Text(kAscii, 6, &room);
        r.parameter = Text(kAscii, 181, &room);
        return r;
    }

    TorucaRecord Toruca() {
        int room = record_limits::kTorucaTotal - 1;
        TorucaRecord r;
        r.detailUrl = "h" + Text(kUrl, 164, &room);
        r.data1 = Text(kLine, 40, &room);
        r.data2 = Text(kLines, 100, &room, true);
        r.data3 = Text(kLine, 20, &room);
        r.ipId = Text(kAlnum, 30, &room);
        static const char kHex[] = "0123456789abcdefABCDEF";
        for (int n = Uniform(1, 4); n > 0; --n) {
            r.categoryIcon += kHex[Uniform(0, 21)];
        }
        // Empty, or two full-width katakana (lead byte 0x83, trail 0x40-0x96), "ソ" among them.
        for (int k = Coin() ? 2 : 0; k > 0; --k) {
            int trail = Coin() ? 0x5C : Uniform(0x40, 0x96);
            r.kanaId += std::string{'\x83', static_cast<char>(trail == 0x7F ? 0x80 : trail)};
        }
        r.redistributionId = Coin() ? std::string(1, static_cast<char>('0' + Uniform(0, 9))) : "";
        r.colorId = Coin() ? std::string(1, static_cast<char>('0' + Uniform(0, 9))) : "";
        return r;
    }

    FunctionRecord Any() {
        switch (Uniform(0, 3)) {
            case 0:
                return Browser();
            case 1:
                return Mailer();
            case 2:
                return Application();
            default:
                return Toruca();
        }
    }

  private:
    std::mt19937 random_;
};

}  // namespace morvik::test

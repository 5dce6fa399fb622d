#pragma once
// Random valid function records for round-trip tests. Texts are drawn from the characters that
// make records hard to cut: spaces, CR LF, backslashes, the letters of escape sequences,
// double-byte characters whose trail byte is 0x5C ("ソ", "表") or a letter, and half-width
// katakana. Some fields are pushed to their byte limits.

#include <random>
#include <string>
#include <vector>

#include "model/Cp932.h"
#include "model/Escape.h"
#include "model/FunctionRecord.h"
#include "model/FunctionRecordValidate.h"

namespace morvik::test {

inline std::string Sjis(std::string_view utf8) {
    return Utf8ToCp932(utf8).value();
}

class RecordGen {
  public:
    explicit RecordGen(unsigned seed) : random_(seed) {}

    // A text of at most limit bytes, measured as validation measures it (check-escaped for the
    // multi-line fields), drawn from pieces. With full set, the text is filled to the limit.
    std::string Text(const std::vector<std::string>& pieces, int limit, bool checkEscaped,
                     bool full = false) {
        int target = full ? limit : Uniform(0, limit);
        std::string text;
        int misses = 0;
        while (misses < 8) {
            std::string next = text + pieces[Uniform(0, static_cast<int>(pieces.size()) - 1)];
            int size = static_cast<int>(checkEscaped ? CheckEscape(next).size() : next.size());
            if (size > target) {
                ++misses;
                continue;
            }
            text = next;
        }
        return text;
    }

    // Free text of a terminal: everything a device text allows.
    std::vector<std::string> DeviceText(bool multiLine) const {
        std::vector<std::string> pieces = {
            " ",        "\\",       "s",       "r",       "n",        "a",
            "Z",        "~",        "%",       "\\s",     Sjis("ソ"), Sjis("表"),
            Sjis("ア"), Sjis("漢"), Sjis("ｱ"), Sjis("ﾟ"), "\x83\x73", "\x95\x5C"};
        if (multiLine) {
            pieces.push_back("\r\n");
            pieces.push_back("\r\n");
        }
        return pieces;
    }
    std::vector<std::string> Ascii() const {
        return {" ", "\\", "s", "a", "@", "x", ".", "\\s", "~", "!", "^"};
    }
    std::vector<std::string> UrlPieces() const {
        return {"h", "t", "p", ":", "/", "/", ".", "?", "&", "=", "0", "Z", "_", "~", "%", "\""};
    }
    std::vector<std::string> Alnum() const { return {"a", "Z", "0", "9", "q"}; }

    bool Coin() { return Uniform(0, 1) == 1; }
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    // One field of the record may go to its limit; the others shrink so that the total holds.
    BrowserRecord Browser() {
        namespace lim = record_limits;
        BrowserRecord r;
        bool fullUrl = Uniform(0, 5) == 0;
        r.url = Text(UrlPieces(), fullUrl ? lim::kBrowserUrl : 90, false, fullUrl);
        if (r.url.empty()) {
            r.url = "h";
        }
        int room = lim::kBrowserTotal - static_cast<int>(r.url.size());
        r.message =
            Text(DeviceText(true), std::min(room, lim::kBrowserMessage), true, Uniform(0, 4) == 0);
        return r;
    }

    MailerRecord Mailer() {
        namespace lim = record_limits;
        MailerRecord r;
        r.to = Text(Ascii(), lim::kMailerTo, false, Uniform(0, 4) == 0);
        if (r.to.empty()) {
            r.to = "a@example.com";
        }
        int room = lim::kMailerTotal - static_cast<int>(r.to.size());
        r.cc = Text(Ascii(), std::min(room, lim::kMailerCc) / 2, false);
        room -= static_cast<int>(r.cc.size());
        r.subject = Text(DeviceText(false), std::min(room, lim::kMailerSubject) / 2, false);
        room -= static_cast<int>(r.subject.size());
        r.body = Text(DeviceText(true), std::min(room, lim::kMailerBody) / 2, true);
        room -= static_cast<int>(CheckEscape(r.body).size());
        r.message = Text(DeviceText(true), std::min(room, lim::kMailerMessage), true);
        return r;
    }

    ApplicationRecord Application() {
        namespace lim = record_limits;
        ApplicationRecord r;
        r.url = Text(UrlPieces(), 120, false);
        r.code = Text(Ascii(), lim::kApplicationCode, false, Uniform(0, 3) == 0);
        int room = lim::kApplicationTotal - static_cast<int>(r.url.size() + r.code.size());
        r.parameter =
            Text(Ascii(), std::min(room, lim::kApplicationParameter), false, Uniform(0, 3) == 0);
        return r;
    }

    TorucaRecord Toruca() {
        namespace lim = record_limits;
        TorucaRecord r;
        r.detailUrl = Text(UrlPieces(), 60, false);
        if (r.detailUrl.empty()) {
            r.detailUrl = "h";
        }
        static const char kHex[] = "0123456789abcdefABCDEF";
        for (int n = Uniform(1, 4); n > 0; --n) {
            r.categoryIcon += kHex[Uniform(0, 21)];
        }
        int room = lim::kTorucaTotal - static_cast<int>(r.detailUrl.size());
        r.data1 =
            Text(DeviceText(false), std::min(room, lim::kTorucaData1), false, Uniform(0, 4) == 0);
        room -= static_cast<int>(r.data1.size());
        r.data2 =
            Text(DeviceText(true), std::min(room, lim::kTorucaData2), true, Uniform(0, 4) == 0);
        room -= static_cast<int>(CheckEscape(r.data2).size());
        r.data3 = Text(DeviceText(false), std::min(room, lim::kTorucaData3), false);
        room -= static_cast<int>(r.data3.size());
        r.ipId = Text(Alnum(), std::min(room, lim::kTorucaIpId), false);
        if (Coin()) {
            // Two full-width katakana (lead byte 0x83, trail 0x40-0x96), "ソ" among them.
            for (int k = 0; k < 2; ++k) {
                int trail = Uniform(0, 3) == 0 ? 0x5C : Uniform(0x40, 0x96);
                if (trail == 0x7F) {
                    trail = 0x80;
                }
                r.kanaId += '\x83';
                r.kanaId += static_cast<char>(trail);
            }
        }
        if (Coin()) {
            r.redistributionId = std::string(1, static_cast<char>('0' + Uniform(0, 9)));
        }
        if (Coin()) {
            r.colorId = std::string(1, static_cast<char>('0' + Uniform(0, 9)));
        }
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

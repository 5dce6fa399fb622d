#pragma once
// Random valid Slim editor states for round trips. Texts are code page 932 bytes and mix the
// characters that break escaping and cutting: spaces, backslashes, CR LF, double-byte characters
// whose second byte is a backslash ("ソ" 83 5C, "表" 95 5C), other double-byte characters and
// half-width katakana.

#include <algorithm>
#include <random>
#include <string>

#include "model/SlimRecords.h"
#include "model/SlimSettings.h"

namespace morvik::slimtest {

class SlimGen {
  public:
    explicit SlimGen(unsigned seed) : rng_(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Bool() { return Int(0, 1) == 1; }

    // URL characters: 0x22-0x5A and 0x5F-0x7E.
    std::string Url(int length, bool forQuery) {
        std::string url;
        while (static_cast<int>(url.size()) < length) {
            int c = Int(0x22, 0x7E);
            if (c >= 0x5B && c <= 0x5E) {
                c = 'a';
            }
            url.push_back(static_cast<char>(c));
        }
        if (forQuery && !url.empty()) {
            url.back() = Bool() ? '?' : '&';
        }
        return url;
    }

    std::string Ascii(int length) {
        std::string text;
        while (static_cast<int>(text.size()) < length) {
            text.push_back(static_cast<char>(Int(0x20, 0x7E)));
        }
        return text;
    }

    // A device text of exactly length bytes; lines allows CR LF.
    std::string DeviceText(int length, bool lines) {
        static const char* const kPieces[] = {"a",    " ", "\\", "\x83\x5C", "\x95\x5C", "\x83\x41",
                                              "\xB1", "s", "r",  "n",        "\x82\xA0", "%"};
        std::string text;
        while (static_cast<int>(text.size()) < length) {
            const int left = length - static_cast<int>(text.size());
            if (lines && left >= 2 && Int(0, 9) == 0) {
                text += "\r\n";
                continue;
            }
            std::string piece = kPieces[Int(0, 11)];
            if (static_cast<int>(piece.size()) > left) {
                piece = "x";
            }
            text += piece;
        }
        return text;
    }

    std::string Icon() {
        static const char kHex[] = "0123456789ABCDEF";
        std::string icon;
        const int digits = Int(1, 4);
        for (int i = 0; i < digits; ++i) {
            icon.push_back(kHex[Int(0, 15)]);
        }
        return icon;
    }

    // Splits a budget over fields, each at most its limit; the first field gets at least
    // minimumFirst bytes.
    std::vector<int> Lengths(int budget, const std::vector<int>& limits, int minimumFirst) {
        std::vector<int> lengths;
        for (std::size_t i = 0; i < limits.size(); ++i) {
            const int low = i == 0 ? minimumFirst : 0;
            int high = std::min(limits[i], budget);
            high = std::max(high, low);
            // Now and then a field at its limit, to cover the maximum lengths.
            const int length = Int(0, 4) == 0 ? high : Int(low, high);
            lengths.push_back(length);
            budget -= length;
        }
        return lengths;
    }

    SlimEditorState State(SlimFunction function) {
        SlimEditorState state;
        state.function = function;
        state.behaviour = BehaviourFromDisp(Int(0, 15));
        const std::vector<SlimRecordKind> kinds = EnabledKinds(function);
        for (SlimRecordKind kind : kinds) {
            state.SetQuery(kind, Bool());
        }
        const bool anyQuery = std::any_of(kinds.begin(), kinds.end(),
                                          [&](SlimRecordKind k) { return state.QueryOn(k); });
        state.encryptQuery = anyQuery && Bool();
        for (SlimRecordKind kind : kinds) {
            const int capacity = SlimCapacityOf(state, kind);
            const bool query = state.QueryOn(kind);
            switch (kind) {
                case SlimRecordKind::Browser: {
                    const auto l = Lengths(capacity, {184, 183}, 1);
                    state.browser.url = Url(l[0], query);
                    state.browser.message = DeviceText(l[1], true);
                    break;
                }
                case SlimRecordKind::Toruca: {
                    const auto l = Lengths(capacity, {173, 40, 100, 20}, 1);
                    state.toruca.detailUrl = Url(l[0], query);
                    state.toruca.categoryIcon = Icon();
                    state.toruca.data1 = DeviceText(l[1], false);
                    state.toruca.data2 = DeviceText(l[2], true);
                    state.toruca.data3 = DeviceText(l[3], false);
                    break;
                }
                case SlimRecordKind::Mailer: {
                    const auto l = Lengths(capacity, {40, 40, 40, 98, 32}, 1);
                    state.mailer.to = Ascii(l[0]);
                    state.mailer.cc = Ascii(l[1]);
                    state.mailer.subject = DeviceText(l[2], false);
                    state.mailer.body = DeviceText(l[3], true);
                    state.mailer.message = DeviceText(l[4], true);
                    break;
                }
            }
        }
        return state;
    }

  private:
    std::mt19937 rng_;
};

}  // namespace morvik::slimtest

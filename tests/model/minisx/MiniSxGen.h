#pragma once
// Random valid MiniSx settings for round trips, on top of the Mini generator's records, lamps and
// paths: every smartphone choice, every NFC mode and query with URLs that pass the write checks.

#include <string>

#include "model/MiniSxSettings.h"
#include "model/settings/MiniSettingsGen.h"

namespace morvik::test {

class MiniSxGen {
  public:
    explicit MiniSxGen(unsigned seed) : mini_(seed) {}

    RecordGen& Records() { return mini_.Records(); }

    MiniSxSettings Any() {
        MiniSxSettings m;
        for (FunctionSet& set : m.sets) {
            set = mini_.Set();
        }
        m.smartphone.mode = Records().Uniform(0, 2);
        m.smartphone.variant = Records().Uniform(1, 2);
        m.nfc = Nfc();
        m.clockCheck = Records().Coin();
        for (std::string& pattern : m.lamps) {
            pattern = mini_.LampPattern();
        }
        for (std::string& path : m.soundPaths) {
            const int pick = Records().Uniform(0, 3);
            path = pick == 0 ? std::string() : pick == 1 ? m.soundPaths[0] : mini_.SoundPath(259);
        }
        m.registerSounds = Records().Coin();
        return m;
    }

    // A URL the NDEF record holds: up to 184 bytes of URL characters, ending in "?" or "&" when
    // a query is appended in browser mode; empty at times outside browser mode.
    MiniSxNfcSettings Nfc() {
        MiniSxNfcSettings nfc;
        nfc.mode = Records().Uniform(0, 2);
        nfc.query = Records().Uniform(0, 2);
        if (nfc.mode != kNfcModeBrowser && Records().Uniform(0, 3) == 0) {
            return nfc;
        }
        nfc.url = "h" + Records().Text(Records().kUrl, kNfcUrlLimit - 2);
        if (nfc.query != kNfcQueryNone || Records().Coin()) {
            nfc.url += Records().Coin() ? "?" : "&";
        }
        return nfc;
    }

  private:
    MiniSettingsGen mini_;
};

}  // namespace morvik::test

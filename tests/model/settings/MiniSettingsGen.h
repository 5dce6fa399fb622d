#pragma once
// Random valid Mini/MiniS settings for round trips: every record kind in both groups and sets,
// double-byte texts with trail byte 0x5C, spaces and line breaks in free text, query selectors
// that fit their records, lamp patterns, periodic guidance and sound paths.
//
// A generated model is in the form the tool itself holds after reading one: only the selected
// page of each group is filled, the query selectors of a group agree with the stored flags, and
// the Toruca fixed fields are in the form a record carries them (icon normalised, upper case).

#include <string>

#include "model/FunctionRecordQuery.h"
#include "model/LampPattern.h"
#include "model/MiniSettings.h"
#include "model/Validators.h"
#include "model/records/RecordGen.h"

namespace morvik::test {

class MiniSettingsGen {
  public:
    explicit MiniSettingsGen(unsigned seed) : gen_(seed) {}

    RecordGen& Records() { return gen_; }

    MiniSettings Any() {
        MiniSettings m;
        m.terminal.cardDetection = gen_.Uniform(0, 1);
        m.terminal.settingSwitch = gen_.Uniform(0, 2);
        m.terminal.touchLog = gen_.Coin();
        m.terminal.operationMode = gen_.Uniform(0, 2);
        for (int i = 0; i < 4; ++i) {
            m.terminal.authCode += static_cast<char>('0' + gen_.Uniform(0, 9));
        }
        m.terminal.clockCheck = gen_.Coin();
        for (FunctionSet& set : m.sets) {
            set = Set();
        }
        for (auto& row : m.lamps.sets) {
            for (std::string& pattern : row) {
                pattern = LampPattern();
            }
        }
        for (std::string& pattern : m.lamps.guidance) {
            pattern = LampPattern();
        }
        m.guidance.enabled = gen_.Coin();
        m.guidance.startHour = gen_.Uniform(0, 23);
        m.guidance.startMinute = gen_.Coin() ? 30 : 0;
        m.guidance.endHour = gen_.Uniform(0, 23);
        m.guidance.endMinute = gen_.Coin() ? 30 : 0;
        m.guidance.interval = kGuidanceIntervals[gen_.Uniform(0, 2)];
        for (std::string& path : m.soundPaths) {
            int pick = gen_.Uniform(0, 3);
            // Some slots share a path, as the standard assignment does.
            path = pick == 0 ? std::string() : pick == 1 ? m.soundPaths[0] : SoundPath(259);
        }
        m.registerSounds = gen_.Coin();
        return m;
    }

    // A path of up to maxCharacters characters, double-byte ones included, with spaces and
    // backslashes as Windows paths have them.
    std::string SoundPath(int maxCharacters) {
        static const std::vector<std::string> kPieces = {
            "\\", " ", "a", "Z", "0", ".", "_", "-", Sjis("音"), Sjis("ソ"), Sjis("表"), Sjis("ｱ")};
        std::string path = "C:";
        int characters = 2;
        int target = gen_.Uniform(3, maxCharacters - 4);
        while (characters < target) {
            path +=
                kPieces[static_cast<size_t>(gen_.Uniform(0, static_cast<int>(kPieces.size()) - 1))];
            ++characters;
        }
        return path + ".wav";
    }

    // Empty, or a pattern with at least one lit step (all-off steps read back as the empty
    // pattern, which is what the terminal shows for them).
    std::string LampPattern() {
        if (gen_.Uniform(0, 3) == 0) {
            return {};
        }
        std::string pattern(1, gen_.Coin() ? '1' : '8');
        int steps = gen_.Uniform(1, kLampMaxSteps);
        int lit = gen_.Uniform(0, steps - 1);
        for (int i = 0; i < steps; ++i) {
            int digit = i == lit ? gen_.Uniform(1, 7) : gen_.Uniform(0, 7);
            pattern += static_cast<char>('0' + digit);
        }
        return pattern;
    }

    FunctionSet Set() {
        FunctionSet set;
        Fill(set.docomo, PhoneGroup::Docomo);
        Fill(set.other, PhoneGroup::Other);
        int flags = 0;
        do {
            flags = gen_.Uniform(0, 15);
        } while (!CheckQueryFlags(0, flags));
        set.queryFlags = flags;
        for (PhoneGroup group : {PhoneGroup::Docomo, PhoneGroup::Other}) {
            GroupFunctions& functions = set.Group(group);
            if (!KindHasQuery(functions.selected)) {
                continue;
            }
            auto choice = static_cast<QueryChoice>(gen_.Uniform(0, 2));
            // A query needs room in the record and, for URLs, a "?" or "&" at the end.
            if (!ValidateRecord(functions.SelectedRecord(), choice).empty()) {
                choice = QueryChoice::None;
            }
            functions.SetQuery(choice);
        }
        // What a read gives back: flags as written, every page's selector following them.
        set.queryFlags = BuildQueryFlags(set);
        set.docomo.SetQuery(QueryChoiceOf(set.queryFlags, PhoneGroup::Docomo));
        set.other.SetQuery(QueryChoiceOf(set.queryFlags, PhoneGroup::Other));
        return set;
    }

  private:
    void Fill(GroupFunctions& functions, PhoneGroup group) {
        FunctionRecord record;
        switch (gen_.Uniform(0, 2)) {
            case 0:
                record = gen_.Browser();
                break;
            case 1:
                if (group == PhoneGroup::Docomo) {
                    TorucaRecord t = gen_.Toruca();
                    t.categoryIcon = NormalizeCategoryIcon(t.categoryIcon);
                    if (gen_.Uniform(0, 2) == 0) {
                        // Queries need the URL to end in "?" or "&"; give some records one.
                        t.detailUrl.back() = '?';
                    }
                    record = t;
                } else {
                    record = gen_.Mailer();
                }
                break;
            default:
                record = gen_.Application();
        }
        if (auto* browser = std::get_if<BrowserRecord>(&record); browser && gen_.Coin()) {
            browser->url.back() = '&';
        }
        functions.Select(record);
    }

    RecordGen gen_;
};

}  // namespace morvik::test

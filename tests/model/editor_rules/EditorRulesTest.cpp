// The rules behind the Mini/MiniS settings windows: the page counters, the enabling of
// 設定/再起動 and ファイルに保存, the copy between sets and the page table the forms are drawn
// from.

#include <gtest/gtest.h>

#include <set>

#include "model/Cp932.h"
#include "model/FunctionPageFields.h"
#include "model/MiniEditorRules.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

TEST(EditorRules, CounterFollowsTheQuerySelectorAndCountsEscapesAsOneByte) {
    GroupFunctions group;
    group.browser.url = std::string(100, 'a');
    group.browser.message = std::string(20, 'b');
    EXPECT_EQ(CountPage(group, RecordKind::Browser), (PageCounter{120, 184, false}));
    EXPECT_EQ(CounterText(CountPage(group, RecordKind::Browser)), "120 / 184 Bytes");
    group.browserQuery = QueryChoice::AppendEncrypted;
    EXPECT_EQ(CountPage(group, RecordKind::Browser), (PageCounter{120, 109, true}));
    group.browserQuery = QueryChoice::AppendPlain;
    EXPECT_EQ(CountPage(group, RecordKind::Browser), (PageCounter{120, 137, false}));

    group.application.code = "\\s";  // typed as backslash and s: one space on the terminal
    EXPECT_EQ(CountPage(group, RecordKind::Application).used, 1);
    // The Toruca page's fixed fields are not counted.
    group.toruca.detailUrl = "http://a/";
    group.toruca.categoryIcon = "001f";
    group.toruca.colorId = "1";
    EXPECT_EQ(CountPage(group, RecordKind::Toruca).used, 9);
}

TEST(EditorRules, OnlyTheSelectedPagesDecideTheWriteButtons) {
    MiniSettings settings;
    EXPECT_TRUE(MiniWriteButtonsEnabled(settings));
    GroupFunctions& docomo2 = settings.sets[1].docomo;
    docomo2.toruca.detailUrl = std::string(166, 'u');
    EXPECT_TRUE(MiniWriteButtonsEnabled(settings)) << "the Toruca page is not selected";
    docomo2.selected = RecordKind::Toruca;
    EXPECT_FALSE(MiniWriteButtonsEnabled(settings));
    docomo2.selected = RecordKind::Browser;
    EXPECT_TRUE(MiniWriteButtonsEnabled(settings));
    settings.sets[0].other.selected = RecordKind::Mailer;
    settings.sets[0].other.mailer.body = std::string(98, 'm');
    settings.sets[0].other.mailer.to = std::string(40, 't');
    settings.sets[0].other.mailerQuery = QueryChoice::AppendPlain;  // 178 - 47 = 131 < 138
    EXPECT_FALSE(MiniWriteButtonsEnabled(settings));
}

// Two sets that differ everywhere a copy could reach.
struct TwoSets {
    MiniSettings settings;
    MiniLampChoices choices;
    TwoSets() {
        for (std::size_t set = 0; set < 2; ++set) {
            const std::string tag = "s" + std::to_string(set + 1);
            FunctionSet& functions = settings.sets[set];
            functions.docomo.selected = set == 0 ? RecordKind::Toruca : RecordKind::Application;
            functions.docomo.browser.url = "http://" + tag + "/";
            functions.docomo.toruca.detailUrl = "http://toruca." + tag + "/";
            functions.other.mailer.to = tag + "@example.jp";
            functions.other.browserQuery =
                set == 0 ? QueryChoice::AppendEncrypted : QueryChoice::None;
            functions.queryFlags = set == 0 ? 5 : 0;
            for (std::size_t row = 0; row < kLampRowsPerSet; ++row) {
                settings.lamps.sets[set][row] = "1" + std::to_string(set + 1) + "0";
                choices.sets[set][row] = {static_cast<int>(set + 1), static_cast<int>(row)};
            }
        }
        for (std::size_t row = 0; row < 4; ++row) {
            settings.lamps.guidance[row] = "17" + std::to_string(row);
            choices.guidance[row] = {static_cast<int>(row), 1};
        }
        for (std::size_t slot = 0; slot < kMiniSoundSlots; ++slot) {
            settings.soundPaths[slot] = "/wav/" + std::to_string(slot) + ".wav";
        }
        settings.terminal.authCode = "1234";
        settings.guidance.enabled = true;
    }
};

TEST(EditorRules, CopyTakesFunctionsLampsGuidanceLampsAndSoundsOfTheSet) {
    for (int from : {0, 1}) {
        SCOPED_TRACE(from == 0 ? "set 1 to set 2" : "set 2 to set 1");
        const TwoSets before;
        TwoSets after;
        CopyMiniSet(from, after.settings, after.choices);
        const std::size_t f = static_cast<std::size_t>(from);
        const std::size_t t = 1 - f;
        EXPECT_EQ(after.settings.sets[t], before.settings.sets[f]);
        EXPECT_EQ(after.settings.sets[f], before.settings.sets[f]);
        EXPECT_EQ(after.settings.lamps.sets[t], before.settings.lamps.sets[f]);
        EXPECT_EQ(after.choices.sets[t], before.choices.sets[f]);
        for (std::size_t row = 0; row < 2; ++row) {
            EXPECT_EQ(after.settings.lamps.guidance[t * 2 + row],
                      before.settings.lamps.guidance[f * 2 + row]);
            EXPECT_EQ(after.choices.guidance[t * 2 + row], before.choices.guidance[f * 2 + row]);
        }
        for (std::size_t slot = 0; slot < 6; ++slot) {
            EXPECT_EQ(after.settings.soundPaths[t * 6 + slot],
                      before.settings.soundPaths[f * 6 + slot]);
            EXPECT_EQ(after.settings.soundPaths[f * 6 + slot],
                      before.settings.soundPaths[f * 6 + slot]);
        }
        // What belongs to no set stays.
        EXPECT_EQ(after.settings.terminal, before.settings.terminal);
        EXPECT_EQ(after.settings.guidance, before.settings.guidance);
    }
}

TEST(EditorRules, EveryFieldOfThePageTableEditsItsOwnRecordField) {
    for (RecordKind kind :
         {RecordKind::Browser, RecordKind::Toruca, RecordKind::Application, RecordKind::Mailer}) {
        SCOPED_TRACE(static_cast<char>(kind));
        GroupFunctions group;
        const PageSpec& entry = FunctionPageSpec(kind);
        for (std::size_t i = 0; i < entry.fields.size(); ++i) {
            entry.fields[i].text(group) = "f" + std::to_string(i);
        }
        // Every field holds its own text afterwards, and the record of the page is built of
        // exactly these texts (no field of another page was touched).
        std::set<std::string> texts;
        for (const PageFieldSpec& field : entry.fields) {
            texts.insert(field.text(group));
        }
        EXPECT_EQ(texts.size(), entry.fields.size());
        for (RecordKind other : {RecordKind::Browser, RecordKind::Toruca, RecordKind::Application,
                                 RecordKind::Mailer}) {
            if (other != kind) {
                EXPECT_EQ(PageRecord(group, other), PageRecord(GroupFunctions{}, other));
            }
        }
    }
}

TEST(EditorRules, Cp932PrefixNeverCutsADoubleByteCharacter) {
    const std::string text = *Utf8ToCp932("aアイ");  // 1 + 2 + 2 bytes
    EXPECT_EQ(Cp932Prefix(text, 4), text.substr(0, 3));
    EXPECT_EQ(Cp932Prefix(text, 5), text);
    EXPECT_EQ(Cp932Prefix(text, 0), "");
}

TEST(EditorRules, QuickCounterAndNoteLine) {
    EXPECT_EQ(CountQuickTexts(std::string(100, 'u'), std::string(9, 'm'), 109),
              (PageCounter{109, 109, false}));
    EXPECT_TRUE(CountQuickTexts(std::string(100, 'u'), std::string(10, 'm'), 109).over);
    MiniSettings settings;
    EXPECT_EQ(MiniSoundNoteId(settings), res::ids::kSoundNotRegisteredNote);
    settings.registerSounds = true;
    EXPECT_EQ(MiniSoundNoteId(settings), res::ids::kSoundWillRegisterNote);
}

}  // namespace
}  // namespace morvik

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "model/Cp932.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik::res {
namespace {

// Texts that are easy to get subtly wrong: half-width katakana and the half-width middle dot,
// the full-width colon and space, the mixed line ends of the Slim notice, printf directives.
TEST(StringTable, GivenNumbersHoldTheSystemsTexts) {
    EXPECT_EQ(Text(964), "書き込み時のチェックサムエラーが発生しました。");
    EXPECT_EQ(Text(401), "機能");
    EXPECT_EQ(Text(426), "NTTドコモ\uFF1A%s");
    EXPECT_EQ(Text(427), "その他\uFF1A%s");
    EXPECT_EQ(Text(347), "モルヴィク\uFF65ミニ/ミニSが見つかりません。");
    EXPECT_EQ(Text(101),
              "モルヴィク・ミニ スリム共通設定ツール の\uFF8A\uFF9E\uFF70\uFF7C\uFF9E\uFF6E\uFF9D"
              "情報(&A)...");
    EXPECT_EQ(Text(364), "モルヴィク・ミニ/ミニS\u3000設定の変更");
    EXPECT_EQ(Text(917), "URLの文字数が限界を超えています。半角%d文字までです。");
    EXPECT_EQ(
        Text(388),
        "%sのランプ設定に不正な設定値がありました。ランプ設定画面を確認し、再度設定して下さい。");
    EXPECT_EQ(Text(288),
              "設定1の内容を設定2にコピーします。\r\n元に戻すことはできませんがよろしいですか?");
    EXPECT_EQ(Text(306), "メインテナンス情報の保存を中止しています。\nしばらくお待ちください。");
    EXPECT_EQ(Text(118), "空欄の項目があります。これらの音声は削除されます。よろしいですか\uFF1F");
    EXPECT_EQ(Text(103), "# Morvik Slim [ZRT410] Configuration File");
    EXPECT_EQ(Text(291), "# Morvik Mini [ZRT450] Configuration File");
    EXPECT_EQ(Text(363), "# Morvik MiniSx [ZRT450] Configuration File");
    EXPECT_EQ(Text(972), "(211)");
    EXPECT_EQ(Text(191), "MorvikMini/Slim");
}

TEST(StringTable, ReplyWordsAndSlimKeys) {
    EXPECT_EQ(Text(519), "exit");
    EXPECT_EQ(Text(520), "error");
    EXPECT_EQ(Text(521), "noreply");
    EXPECT_EQ(Text(522), "done");
    EXPECT_EQ(Text(523), "csumerror");
    EXPECT_EQ(Text(510), "func");
    EXPECT_EQ(Text(511), "que");
    EXPECT_EQ(Text(512), "psh1");
    EXPECT_EQ(Text(513), "psh2");
    EXPECT_EQ(Text(516), "disp");
    EXPECT_EQ(Text(367), "smp");
    EXPECT_EQ(Text(382), "ndef");
    EXPECT_EQ(Text(385), "ndef_url");
}

TEST(StringTable, NamedEntriesOfTheirOwnNumbers) {
    EXPECT_EQ(Text(ids::kSerialTimeout), "シリアル通信でタイムアウトが発生しました。");
    EXPECT_EQ(Text(ids::kCmdPget), "pget");
    EXPECT_EQ(Text(ids::kCmdUploadPrefix), "x i 0 ");  // the length follows the last space
    EXPECT_EQ(Text(ids::kKeyPsA1KanaId), "psA1-kanaID");
    EXPECT_EQ(Text(ids::kCodeLnv1), "(463)");
    EXPECT_EQ(Text(ids::kMenuOpenSettingsFile), "機器設定ファイルを開く\tCtrl+O");
    EXPECT_EQ(Text(ids::kCsvHeader),
              "No.,FeliCa ID,日時,機能実行結果,設定区別,FeliCa種別,起動カウンタ,秒カウンタ,"
              "タッチカウンタ,累積タッチカウンタ");
    // The power-saving notice mixes CR LF and a lone LF, as the terminal's users know it.
    EXPECT_EQ(
        Text(ids::kSlimEcoModeNotice),
        "モルヴィク・スリムをお使いの方へ\r\n\r\nエコモード(省電力)をご使用の場合、機器と通信を"
        "行うと、エコモード(省電力)"
        "が無効になります。\n設定後、必ず機器の電源を再投入してください。");
    // The query ending messages continue on further lines with examples ending in ? and &.
    std::string_view query = Text(962);
    EXPECT_EQ(query.substr(0, query.find('\n')),
              "クエリを付加する場合、URLの末尾は「?」か「&」である必要があります。");
    EXPECT_EQ(query.back(), '&');
    EXPECT_NE(query.find("?\n"), std::string_view::npos);
}

TEST(StringTable, PartsAreSortedAndKeepToTheirRanges) {
    auto strictlySorted = [](std::span<const StringEntry> part) {
        for (size_t i = 1; i < part.size(); ++i) {
            if (part[i - 1].id >= part[i].id) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(strictlySorted(SystemEntries()));
    EXPECT_TRUE(strictlySorted(CliEntries()));
    EXPECT_TRUE(strictlySorted(AppEntries()));
    for (const StringEntry& e : SystemEntries()) {
        EXPECT_TRUE((e.id > 0 && e.id < 1000) || (e.id >= 2000 && e.id <= 2999)) << e.id;
    }
    for (const StringEntry& e : CliEntries()) {
        EXPECT_TRUE(e.id >= 3000 && e.id <= 3999) << e.id;
    }
    for (const StringEntry& e : AppEntries()) {
        EXPECT_TRUE(e.id >= 4000 && e.id <= 4999) << e.id;
    }
    // Merged, no number is claimed twice: nothing was dropped.
    EXPECT_EQ(Entries().size(), SystemEntries().size() + CliEntries().size() + AppEntries().size());
    EXPECT_TRUE(strictlySorted(Entries()));
}

TEST(StringTable, TextsAreCompleteAndCarryRealControlCharacters) {
    for (const StringEntry& e : Entries()) {
        EXPECT_FALSE(e.text.empty()) << e.id;
        // "\r\n" in a text of the system is a line end, never a backslash sequence.
        EXPECT_EQ(e.text.find('\\'), std::string_view::npos) << e.id;
        EXPECT_TRUE(Has(e.id));
        EXPECT_EQ(Text(e.id), e.text);
    }
}

TEST(StringTable, MissingEntriesAreEmpty) {
    EXPECT_FALSE(Has(1500));
    EXPECT_TRUE(Text(1500).empty());
    EXPECT_TRUE(TextCp932(1500).empty());
    EXPECT_FALSE(Has(-1));
}

TEST(StringTableCp932, EveryEntryIsEncodable) {
    for (const StringEntry& e : Entries()) {
        std::optional<std::string> strict = Utf8ToCp932(e.text);
        ASSERT_TRUE(strict.has_value()) << e.id << " " << e.text;
        EXPECT_EQ(TextCp932(e.id), *strict) << e.id;
        // Nothing became the lossy conversion's "?".
        EXPECT_EQ(std::count(e.text.begin(), e.text.end(), '?'),
                  std::count(TextCp932(e.id).begin(), TextCp932(e.id).end(), '?'))
            << e.id;
        EXPECT_EQ(Cp932ToUtf8(TextCp932(e.id)), e.text) << e.id;
    }
}

TEST(StringTableCp932, BytesOfJapaneseAndHalfWidthTexts) {
    EXPECT_EQ(TextCp932(900), "\x83\x47\x83\x89\x81\x5B");  // エラー
    // The half-width middle dot is the single byte 0xA5, not the full-width 0x81 0x45.
    const std::string& notFound = TextCp932(347);
    EXPECT_NE(notFound.find('\xA5'), std::string::npos);
    EXPECT_EQ(notFound.find("\x81\x45"), std::string::npos);
    EXPECT_EQ(TextCp932(ids::kCmdPset), "pset");
    EXPECT_EQ(Cp932ToUtf8(TextCp932(964)), Text(964));
}

TEST(StringTableCp932, ConcurrentFirstUseAgrees) {
    // Each test runs in a process of its own, so this is the table's first use.
    std::vector<std::string> seen(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] { seen[i] = TextCp932(964) + TextCp932(2082); });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    for (const std::string& s : seen) {
        EXPECT_EQ(s, *Utf8ToCp932(std::string(Text(964)) + std::string(Text(2082))));
    }
}

TEST(StringTableFormat, FillsTableTexts) {
    EXPECT_EQ(Format(Text(ids::kUrlTooLong), 184),
              "URLの文字数が限界を超えています。半角184文字までです。");
    EXPECT_EQ(Format(Text(ids::kLampValueInvalidInGroup), std::string(Text(ids::kSet1)).c_str()),
              "設定1のランプ設定に不正な設定値がありました。ランプ設定画面を確認し、再度設定して下"
              "さい。");
    EXPECT_EQ(Format(Text(ids::kTotalSizeFormat), 120, 109, std::string(Text(ids::kBytes)).c_str()),
              "120 / 109 Bytes");
    EXPECT_EQ(Format(Text(ids::kPortSearchDone), 3),
              "ポート検索が終了しました。\r\nCOM3を使用します。");
    // The same works on the code page 932 form that travels to a terminal or a file.
    EXPECT_EQ(Format(TextCp932(ids::kMailToTooLong), 40),
              *Utf8ToCp932("宛先(To)の文字数が限界を超えています。半角40文字までです。"));
    EXPECT_EQ(Format(Text(ids::kWriteChecksumError)), Text(964));
}

}  // namespace
}  // namespace morvik::res

// morvik firmware, maint and dlog get end to end: the built program against morvik-sim.

#include <gtest/gtest.h>

#include <filesystem>

#include "model/Pack.h"
#include "support/CliFixture.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/FirmwareImageFile.h"

namespace morvik {
namespace {

class CliFirmlog : public test::CliFixture {
  protected:
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(CliFirmlog, DlogGetWritesTheCsv) {
    const auto records = test::MakeRecords(9, true);
    test::SimProcess sim(
        test::SimOptionsFor("minis", {"--dlog-file", test::WriteRecordFile(files_, records)}));
    const std::string csv = files_.File("log.csv");
    const test::RunResult r = Morvik(sim, {"dlog", "get", csv});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "検出ログを保存しました。"));
    EXPECT_EQ(test::ReadWholeFile(csv), test::ExpectedCsv(records));
}

TEST_F(CliFirmlog, DlogGetRefusesOtherEditionsAndEmptyLogs) {
    test::SimProcess slim(test::SimOptionsFor("slim"));
    const std::string csv = files_.File("log.csv");
    test::RunResult r = Morvik(slim, {"dlog", "get", csv});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Has(r.err, "モルヴィク･ミニ/ミニSが見つかりません。")) << r.err;

    test::SimProcess empty(test::SimOptionsFor("mini"));
    r = Morvik(empty, {"dlog", "get", csv});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "検出ログが1件もありません。")) << r.err;
    EXPECT_FALSE(test::FileExists(csv));

    r = Morvik(empty, {"dlog", "get"});
    EXPECT_EQ(r.exitCode, 2);
}

TEST_F(CliFirmlog, MaintWritesACompressedFile) {
    test::SimProcess sim(test::SimOptionsFor("minisx"));
    const std::string mnt = files_.File("info.mnt");
    const test::RunResult r = Morvik(sim, {"maint", mnt});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "メインテナンス情報を保存しました。"));
    const std::optional<std::string> text = Inflate(test::ReadWholeFile(mnt), 1 << 20);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, 7), "-----\r\n");
    EXPECT_TRUE(Has(*text, "\r\nnque 0\r\n"));
}

TEST_F(CliFirmlog, FirmwareUpdatesAndChecksTheVersion) {
    test::SimProcess sim(test::SimOptionsFor("mini", {"--version", "1.20"}));
    const std::string image = test::WriteFirmwareImage(files_, "fw.x", "ZRT450", 0x2000, "1.44");
    const test::RunResult r = Morvik(sim, {"--quiet", "firmware", "--wait", "20", image});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // Only the results on standard output; what the operator must do at the terminal goes to
    // standard error in command-line words (no button to click), even when quiet.
    EXPECT_EQ(r.out,
              "機器のファームウェアバージョン: 1.44\nファームウェアの更新に成功しました。\n");
    EXPECT_TRUE(Has(r.err, "機器の電源スイッチで電源を入れ直してください。")) << r.err;
    EXPECT_TRUE(Has(r.err, "電源を切らずに、そのままお待ちください。")) << r.err;
    EXPECT_FALSE(Has(r.err, "「次へ」")) << r.err;
    EXPECT_FALSE(Has(r.err, "バージョン :  1.44")) << r.err;  // the image check is a notice
}

TEST_F(CliFirmlog, FirmwareRefusesAWrongImageAndGivesUpWaiting) {
    test::SimProcess sim(test::SimOptionsFor("mini", {"--fault", "no-nak"}));
    const std::string slimImage = test::WriteFirmwareImage(files_, "slim.x", "ZRT410", 512, "2.0");
    test::RunResult r = Morvik(sim, {"firmware", slimImage});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Has(r.err, "不正なファームウェアファイルです。")) << r.err;

    const std::string image = test::WriteFirmwareImage(files_, "fw.x", "ZRT450", 512, "1.44");
    r = Morvik(sim, {"firmware", "--wait", "2", image});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Has(r.err, "ファームウェアの更新を中止しました。")) << r.err;

    r = Morvik(sim, {"firmware", "--wait", "0", image});
    EXPECT_EQ(r.exitCode, 2);
}

}  // namespace
}  // namespace morvik

// The write of the easy and service windows: what each choice sends, against a simulated Mini,
// and the checks that keep a write from starting.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sessions/MiniFamilyEasyWriteSession.h"
#include "sessions/MiniQuickWrite.h"
#include "sessions/mini/MiniTestData.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

using Lines = std::vector<std::string>;
using test::Sjis;

const std::string kZeros(22, '0');

Lines RecordLines(const std::string& record, const std::string& flags) {
    return {"pset psA1 " + record, "pset psB1 " + record, "pset psA2 " + record,
            "pset psB2 " + record, "pset que1 " + flags,  "pset que2 " + flags};
}

void Append(Lines& lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

Lines RunQuick(test::SimTerminal& mini, const MiniQuickSettings& quick, bool setClock) {
    MiniQuickPlan plan = BuildMiniQuickPlan(quick, test::RequiredEnv("MORVIK_BINARY_DIR"));
    EXPECT_EQ(plan.problem, "");
    CMiniFamilyEasyWriteSession session(mini.Terminal(), plan, setClock);
    test::SimTerminal::RunToEnd(session);
    EXPECT_TRUE(session.Completed()) << session.ErrorText();
    EXPECT_EQ(session.Maximum(), 42);
    // The terminal is asked for its edition before anything is written.
    Lines lines = mini.LinesSinceOpen("reboot");
    EXPECT_EQ(lines.front(), "ver");
    lines.erase(lines.begin());
    return lines;
}

TEST(MiniEasyWrite, SilentSoundsAndDarkLampsEverywhere) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    const MiniQuickSettings quick{QuickWindow::Easy, "http://a/", "", SoundChoice::Silent,
                                  LampPreset::Off};
    // The message is empty: the record is the kind, the URL length, "00" and the URL.
    Lines expected = RecordLines("00900http://a/", "0");
    for (const char* key : {"sov1", "snv1", "spv1", "sob1", "snb1", "spb1", "sov2", "snv2", "spv2",
                            "sob2", "snb2", "spb2"}) {
        expected.push_back(std::string("pset ") + key + " 255");
    }
    // The event lamps of both sets, then the four guidance lamps in this write's own order.
    for (const char* key : {"lov1", "lnv1", "liv1", "lob1", "lnb1", "lib1", "lov2", "lnv2", "liv2",
                            "lob2", "lnb2", "lib2", "lpv1", "lpv2", "lpb1", "lpb2"}) {
        expected.push_back(std::string("pset ") + key + " " + kZeros);
    }
    expected.push_back("reboot");
    EXPECT_EQ(RunQuick(mini, quick, false), expected);
}

TEST(MiniEasyWrite, ServiceUploadsTheStandardSoundsWithAnEncryptedQuery) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    const MiniQuickSettings quick{QuickWindow::Service, "http://s/", Sjis("ご来店 ありがとう"),
                                  SoundChoice::Standard, LampPreset::Blue};
    Lines lines = RunQuick(mini, quick, true);

    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(lines[0].starts_with("x i 0 ")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("[upload ") && lines[1].ends_with(": done]")) << lines[1];
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("rtc s ")) << lines[lines.size() - 2];

    // A space in the message travels as "\s"; both lengths count the bytes before escaping.
    const std::string message = Sjis("ご来店\\sありがとう");
    Lines expected = RecordLines("00911http://s/" + message, "15");
    // mini_ok (0) for the success slots of set 1 and battery success of set 2, mini_ng (1) for
    // every failure slot, kel_fin (2) for set 2's AC success, no periodic guidance sound.
    const std::pair<const char*, const char*> sounds[] = {
        {"sov1", "0"},   {"snv1", "1"},   {"spv1", "255"}, {"sob1", "0"},
        {"snb1", "1"},   {"spb1", "255"}, {"sov2", "2"},   {"snv2", "1"},
        {"spv2", "255"}, {"sob2", "0"},   {"snb2", "1"},   {"spb2", "255"}};
    for (const auto& [key, value] : sounds) {
        expected.push_back(std::string("pset ") + key + " " + value);
    }
    // The blue preset in both sets; the guidance lamps stay as they are.
    for (int set = 1; set <= 2; ++set) {
        const std::string n = std::to_string(set);
        Append(
            expected,
            {"pset lov" + n + " 0A99999999990000000000", "pset lnv" + n + " 14AA00AA00AA00AA00AA00",
             "pset liv" + n + " 8D00009000000000000000", "pset lob" + n + " 0A11111111110000000000",
             "pset lnb" + n + " 1422002200220022002200",
             "pset lib" + n + " 8D00001000000000000000"});
    }
    Lines sent(lines.begin() + 2, lines.end() - 2);
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(lines.back(), "reboot");
}

TEST(MiniEasyWrite, KeepingSoundsAndLampsSendsNeitherKeys) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    const MiniQuickSettings quick{QuickWindow::Easy, "http://k/", "m", SoundChoice::Unchanged,
                                  LampPreset::Unchanged};
    Lines expected = RecordLines("00901http://k/m", "0");
    expected.push_back("reboot");
    EXPECT_EQ(RunQuick(mini, quick, false), expected);
}

TEST(MiniQuickWrite, ServiceLimitsLeaveRoomForTheQuery) {
    const std::string url110 = "http://" + std::string(103, 'a');
    MiniQuickSettings service{QuickWindow::Service, url110, "", SoundChoice::Unchanged,
                              LampPreset::Unchanged};
    // Without any query ending test: the URL need not end in "?" or "&".
    EXPECT_EQ(ValidateMiniQuick(service),
              (std::vector<std::string>{
                  Sjis("URLの文字数が限界を超えています。半角109文字までです。"),
                  Sjis("ブラウザ起動で設定できる文字数の限界を超えています。合計で半角109文字まで"
                       "です。「合計サイズ」が黒字になるまで調節してください。")}));
    MiniQuickSettings easy = service;
    easy.window = QuickWindow::Easy;
    EXPECT_TRUE(ValidateMiniQuick(easy).empty());

    // The message counts as it travels: a line break takes four places ("\r\n").
    service.url = "http://a/";
    service.message = std::string(48, 'm') + "\r\n" + std::string(49, 'm');
    EXPECT_EQ(ValidateMiniQuick(service),
              (std::vector<std::string>{
                  Sjis("ブラウザ起動で設定できる文字数の限界を超えています。合計で半角109文字まで"
                       "です。「合計サイズ」が黒字になるまで調節してください。")}));
    service.message.pop_back();
    EXPECT_TRUE(ValidateMiniQuick(service).empty());
}

TEST(MiniQuickWrite, EmptyUrlAndBadCharactersAreAllReported) {
    const MiniQuickSettings quick{QuickWindow::Easy, "", "a\x7f", SoundChoice::Unchanged,
                                  LampPreset::Unchanged};
    const std::vector<std::string> messages = ValidateMiniQuick(quick);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], Sjis("URLが設定されていません。URLは必ず設定してください。"));
    EXPECT_EQ(messages[1], Sjis("ブラウザ起動のメッセージに不正な文字が使用されています。"));
}

TEST(MiniQuickWrite, MissingStandardSoundsStopThePlan) {
    test::TempDir empty;
    const MiniQuickSettings quick{QuickWindow::Easy, "http://a/", "", SoundChoice::Standard,
                                  LampPreset::Unchanged};
    const MiniQuickPlan plan = BuildMiniQuickPlan(quick, empty.path());
    EXPECT_NE(plan.problem, "");
    EXPECT_TRUE(plan.values.empty());
    // Silence needs no file at all.
    MiniQuickSettings silent = quick;
    silent.sound = SoundChoice::Silent;
    EXPECT_EQ(BuildMiniQuickPlan(silent, empty.path()).problem, "");
}

}  // namespace
}  // namespace morvik

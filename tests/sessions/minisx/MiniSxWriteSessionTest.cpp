// The MiniSx write sessions against a simulated MiniSx: the exact lines of the detailed and the
// easy/service writes, the NDEF write and its checksum, failures that stop at once.

#include <gtest/gtest.h>

#include "model/MiniSxSettings.h"
#include "model/minisx/MiniSxGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniFamilyEasyWriteSession.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "support/SimProcess.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

namespace ids = res::ids;

const std::vector<std::string> kNeverSent = {"rslt", "tlog", "pow", "isc", "pnt", "pntT"};

std::string Line(const MiniKeyValue& kv) {
    return kv.value.empty() ? "pclr " + kv.key : "pset " + kv.key + " " + kv.value;
}

std::string SourceWav(const char* name) {
    return test::RequiredEnv("MORVIK_SOURCE_DIR") + "/wav/" + name;
}

void ExpectNoMiniOnlyKey(const std::vector<std::string>& steps) {
    for (const std::string& key : kNeverSent) {
        EXPECT_EQ(std::count(steps.begin(), steps.end(), key), 0) << key;
    }
}

TEST(MiniSxWriteSession, DetailedWriteSendsExactlyItsLines) {
    test::MiniSxGen gen(77);
    MiniSxSettings model = gen.Any();
    model.registerSounds = false;
    model.nfc = {kNfcModeBrowser, kNfcQueryPlain, "http://www.example.jp/sx?"};
    test::SimTerminal sim("minisx");
    ASSERT_TRUE(sim.Open());
    CMiniSxWriteSession session(sim.Terminal(), model, false);
    session.RunHere();
    ASSERT_TRUE(session.Completed()) << session.ErrorText();
    EXPECT_TRUE(session.ErrorText().empty());

    // The terminal is asked for its edition before anything is written.
    std::vector<std::string> expected = {"ver"};
    for (const MiniKeyValue& kv : MiniSxWriteValues(model)) {
        expected.push_back(Line(kv));
    }
    expected.push_back("ndef s 1 http://www.example.jp/sx?");
    expected.push_back("reboot");
    ASSERT_TRUE(sim.Sim().WaitForLogLine("reboot"));
    EXPECT_EQ(sim.SessionLines(), expected);
    ExpectNoMiniOnlyKey(sim.SessionSteps());
    // The terminal took the query from the NDEF write, where "nque" travels.
    EXPECT_EQ(sim.Sim().StateValue("nque"), "1");
}

TEST(MiniSxWriteSession, SoundsAreUploadedFirstAndTheClockIsSetLast) {
    MiniSxSettings model;
    model.registerSounds = true;
    model.soundPaths = {SourceWav("mini_ok.wav"), SourceWav("mini_ng.wav"),
                        SourceWav("mini_ok.wav"), SourceWav("mini_ng.wav"),
                        SourceWav("kel_fin.wav"), ""};
    // Modes 0 and 1 still send the NDEF write, an empty URL included.
    model.nfc = {kNfcModeKelTouch, kNfcQueryEncrypted, ""};
    test::SimTerminal sim("minisx");
    ASSERT_TRUE(sim.Open());
    CMiniSxWriteSession session(sim.Terminal(), model, true);
    session.RunHere();
    ASSERT_TRUE(session.Completed()) << session.ErrorText();
    EXPECT_EQ(session.SoundCount(), 3);
    EXPECT_EQ(session.Maximum(), 42 + 6);

    ASSERT_TRUE(sim.Sim().WaitForLogLine("reboot"));
    const std::vector<std::string> lines = sim.SessionLines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "ver");
    EXPECT_TRUE(lines[1].starts_with("x i 0 ")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("[upload ") && lines[2].ends_with(": done]")) << lines[2];
    EXPECT_EQ(lines[3], "pset rtcc 0");
    EXPECT_EQ(lines[lines.size() - 3], "ndef s 2 ");
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("rtc s ")) << lines[lines.size() - 2];
    EXPECT_EQ(lines.back(), "reboot");
    const std::vector<std::string> steps = sim.SessionSteps();
    std::vector<std::string> sounds;
    for (const std::string& line : lines) {
        if (line.starts_with("pset s") && !line.starts_with("pset smp")) {
            sounds.push_back(line.substr(5));
        }
    }
    EXPECT_EQ(sounds, (std::vector<std::string>{"sov1 0", "snv1 1", "sob1 0", "snb1 1", "sov2 2",
                                                "sob2 255"}));
    ExpectNoMiniOnlyKey(steps);
}

// A write the terminal does not confirm stops there: nothing later, no clock, no reboot.
struct FailureCase {
    const char* fault;
    const char* lastLine;  // prefix of the last line sent
    std::string error;
};

TEST(MiniSxWriteSession, UnconfirmedWritesStopWithTheirCode) {
    const std::string checksum = res::TextCp932(ids::kWriteChecksumError);
    const FailureCase cases[] = {
        {"bad-token=ndef", "ndef s ", checksum + "(382)\r\n"},
        {"bad-token=smp", "pset smp ", checksum + "(367)\r\n"},
        {"bad-token=nfc", "pset nfc ", checksum + "(368)\r\n"},
        {"bad-token=rtcc", "pset rtcc ", checksum + "(426)\r\n"},
        {"silent-key=lob2", "pset lob2 ", res::TextCp932(ids::kSerialTimeout) + "\r\n"},
    };
    test::MiniSxGen gen(8);
    MiniSxSettings model = gen.Any();
    model.registerSounds = false;
    for (const FailureCase& c : cases) {
        test::SimTerminal sim("minisx", {"--fault", c.fault});
        ASSERT_TRUE(sim.Open());
        CMiniSxWriteSession session(sim.Terminal(), model, true);
        session.RunHere();
        EXPECT_TRUE(session.Failed()) << c.fault;
        EXPECT_FALSE(session.Completed()) << c.fault;
        EXPECT_EQ(session.ErrorText(), c.error) << c.fault;
        EndMiniWrite(sim.Terminal(), session);
        ASSERT_TRUE(sim.Sim().WaitForLogLine("reboot s")) << c.fault;
        std::vector<std::string> lines = sim.SessionLines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines.back(), "reboot s") << c.fault;
        EXPECT_TRUE(lines[lines.size() - 2].starts_with(c.lastLine))
            << c.fault << ": " << lines[lines.size() - 2];
    }
}

struct QuickCase {
    QuickWindow window;
    SoundChoice sound;
    LampPreset lamp;
    std::string steps;
    std::string ndef;
};

TEST(MiniSxEasyWriteSession, EasyAndServiceWriteOrders) {
    const QuickCase cases[] = {
        {QuickWindow::Easy, SoundChoice::Unchanged, LampPreset::Unchanged,
         "ver psA1 psB1 psA2 psB2 que1 que2 fchg nfc", "ndef s 0 http://a/b"},
        {QuickWindow::Service, SoundChoice::Silent, LampPreset::Blue,
         "ver psA1 psB1 psA2 psB2 que1 que2 sov1 snv1 sob1 snb1 sov2 sob2 lov1 lnv1 liv1 lob1 lnb1 "
         "lib1 lov2 lob2 fchg nfc",
         "ndef s 2 http://a/b"},
    };
    for (const QuickCase& c : cases) {
        MiniQuickSettings quick{.window = c.window,
                                .url = "http://a/b",
                                .message = "Hi there",
                                .sound = c.sound,
                                .lamp = c.lamp};
        ASSERT_TRUE(ValidateMiniQuick(quick).empty());
        MiniQuickPlan plan = BuildMiniSxQuickPlan(quick, test::RequiredEnv("MORVIK_SOURCE_DIR"));
        ASSERT_TRUE(plan.problem.empty());
        test::SimTerminal sim("minisx");
        ASSERT_TRUE(sim.Open());
        CMiniFamilyEasyWriteSession session(sim.Terminal(), plan, false);
        session.RunHere();
        ASSERT_TRUE(session.Completed()) << session.ErrorText();
        ASSERT_TRUE(sim.Sim().WaitForLogLine("reboot"));
        std::vector<std::string> steps = sim.SessionSteps();
        ASSERT_GE(steps.size(), 2u);
        EXPECT_EQ(steps.back(), "reboot");
        EXPECT_EQ(steps[steps.size() - 2], c.ndef);
        steps.resize(steps.size() - 2);
        std::string joined;
        for (const std::string& step : steps) {
            joined += (joined.empty() ? "" : " ") + step;
        }
        EXPECT_EQ(joined, c.steps);
        const std::string que = c.window == QuickWindow::Service ? "15" : "0";
        EXPECT_EQ(sim.Sim().StateValue("que1"), que);
        EXPECT_EQ(sim.Sim().StateValue("que2"), que);
        EXPECT_EQ(sim.Sim().StateValue("fchg"), "0");
        EXPECT_EQ(sim.Sim().StateValue("nfc"), "2");
        EXPECT_EQ(sim.Sim().StateValue("psA2"), sim.Sim().StateValue("psB1"));
    }
}

TEST(MiniSxEasyWriteSession, StandardSoundsAreUploaded) {
    MiniQuickSettings quick{.window = QuickWindow::Easy,
                            .url = "http://a/b",
                            .message = "",
                            .sound = SoundChoice::Standard,
                            .lamp = LampPreset::Off};
    MiniQuickPlan plan = BuildMiniSxQuickPlan(quick, test::RequiredEnv("MORVIK_SOURCE_DIR"));
    ASSERT_TRUE(plan.problem.empty()) << plan.problem;
    ASSERT_TRUE(plan.upload);
    test::SimTerminal sim("minisx");
    ASSERT_TRUE(sim.Open());
    CMiniFamilyEasyWriteSession session(sim.Terminal(), plan, false);
    session.RunHere();
    ASSERT_TRUE(session.Completed()) << session.ErrorText();
    ASSERT_TRUE(sim.Sim().WaitForLogLine("reboot"));
    EXPECT_EQ(sim.Sim().StateValue("sov2"), "2");
    EXPECT_EQ(sim.Sim().StateValue("lob2"), std::string(22, '0'));

    // Without the standard files nothing may be sent.
    test::TempDir empty;
    EXPECT_FALSE(BuildMiniSxQuickPlan(quick, empty.path()).problem.empty());
}

}  // namespace
}  // namespace morvik

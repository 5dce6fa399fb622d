// The Slim read session against a simulated Slim: what was written reads back the same, values
// that fail their checks give warnings and still fill the state, and a silent terminal ends the
// read with 904.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/slim/SlimGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/SlimReadSession.h"
#include "sessions/SlimWriteSession.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

namespace ids = res::ids;

std::string Msg(int id) {
    return res::TextCp932(id) + "\r\n";
}

const SlimFunction kFunctions[] = {SlimFunction::Browser, SlimFunction::TorucaBrowser,
                                   SlimFunction::BrowserMailer, SlimFunction::TorucaMailer};

// Written by one session and read by the next over the same line, generated states of every
// function come back unchanged (line breaks, spaces, backslashes and "ソ" in the texts).
TEST(SlimReadSession, ReadsBackWhatWasWrittenForEveryFunction) {
    test::SimTerminal slim("slim");
    ASSERT_TRUE(slim.Open());
    slimtest::SlimGen gen(7031);
    for (SlimFunction function : kFunctions) {
        const SlimEditorState state = gen.State(function);
        CSlimWriteSession write(slim.Terminal(), state);
        write.RunHere();
        ASSERT_TRUE(write.Completed()) << write.ErrorText();

        CSlimReadSession read(slim.Terminal());
        read.Start();
        read.Join();
        EXPECT_TRUE(read.Completed()) << read.ErrorText();
        EXPECT_EQ(read.ErrorText(), "");
        EXPECT_EQ(read.TitleId(), ids::kReadingCaption);
        ASSERT_TRUE(read.Loaded());
        EXPECT_EQ(read.State(), state) << "function " << static_cast<int>(function);
    }
    // The read asks in its own order, after the write's lines.
    const std::vector<std::string> lines = slim.Sim().LogLines();
    const std::vector<std::string> tail(lines.end() - 5, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"pget func", "pget psh1", "pget psh2", "pget que",
                                              "pget disp"}));
}

struct WarningCase {
    std::vector<std::string> params;  // key=value as the terminal holds them
    std::string warnings;
    SlimFunction function;
};

void PrintTo(const WarningCase& c, std::ostream* out) {
    for (const std::string& param : c.params) {
        *out << param << " ";
    }
}

class SlimReadWarnings : public ::testing::TestWithParam<WarningCase> {};

// Values that fail their checks end the read with the warnings, in the order disp, func,
// records, que; the state is filled all the same.
TEST_P(SlimReadWarnings, FillTheStateAndEndWithTheWarnings) {
    std::vector<std::string> args;
    for (const std::string& param : GetParam().params) {
        args.push_back("--param");
        args.push_back(param);
    }
    test::SimTerminal slim("slim", args);
    ASSERT_TRUE(slim.Open());
    CSlimReadSession read(slim.Terminal());
    read.RunHere();

    EXPECT_TRUE(read.Failed());
    EXPECT_TRUE(read.WarningsOnly());
    EXPECT_EQ(read.ErrorText(), GetParam().warnings);
    ASSERT_TRUE(read.Loaded());
    EXPECT_EQ(read.State().function, GetParam().function);
}

std::string WarningCaseName(const ::testing::TestParamInfo<WarningCase>& info) {
    static const char* const kNames[] = {"BadFunc", "Que2", "Que9ForTheSecondFunction",
                                         "DispAbcAndEmptyUrl"};
    return kNames[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Values, SlimReadWarnings,
    ::testing::Values(
        // func 2 is no function: 機能1 and no record decoded.
        WarningCase{{"func=2", "psh1=00501http:x", "que=0", "disp=0"},
                    Msg(ids::kFunctionInvalid),
                    SlimFunction::Browser},
        // Encryption without a query.
        WarningCase{{"func=0", "psh1=00501http:x", "que=2", "disp=0"},
                    Msg(ids::kQueryInvalid),
                    SlimFunction::Browser},
        // 9 passes for 機能1, not for 機能2.
        WarningCase{
            {"func=1", "psh1=105000000\\s\\s1Fhttp:", "psh2=00501http:x", "que=9", "disp=0"},
            Msg(ids::kQueryInvalid),
            SlimFunction::TorucaBrowser},
        // disp "abc": all behaviours on, and 966; an empty URL after it gives 918.
        WarningCase{{"func=0", "psh1=00000", "que=0", "disp=abc"},
                    Msg(ids::kBodySettingsInvalid) + Msg(ids::kUrlEmpty),
                    SlimFunction::Browser}),
    WarningCaseName);

TEST(SlimReadSession, QueNineIsAcceptedForTheFirstFunction) {
    test::SimTerminal slim("slim", {"--param", "func=0", "--param", "psh1=00501http:x", "--param",
                                    "que=9", "--param", "disp=5"});
    ASSERT_TRUE(slim.Open());
    CSlimReadSession read(slim.Terminal());
    read.RunHere();
    ASSERT_TRUE(read.Completed()) << read.ErrorText();
    EXPECT_TRUE(read.State().browserQuery);
    EXPECT_FALSE(read.State().encryptQuery);
    EXPECT_EQ(read.State().browser.url, "http:");
    EXPECT_EQ(read.State().browser.message, "x");
    // disp 5: the waiting lamp and the failure behaviour are off.
    EXPECT_EQ(read.State().behaviour, (SlimBehaviour{false, true, false, true}));
}

TEST(SlimReadSession, DispAbcTurnsEveryBehaviourOn) {
    test::SimTerminal slim("slim", {"--param", "func=0", "--param", "psh1=00501http:x", "--param",
                                    "que=0", "--param", "disp=abc"});
    ASSERT_TRUE(slim.Open());
    CSlimReadSession read(slim.Terminal());
    read.RunHere();
    EXPECT_EQ(read.ErrorText(), Msg(ids::kBodySettingsInvalid));
    ASSERT_TRUE(read.Loaded());
    EXPECT_EQ(read.State().behaviour, SlimBehaviour{});
    EXPECT_EQ(read.State().browser.url, "http:");
}

TEST(SlimReadSession, UnansweredValueEndsAsAFailedReadWithNoState) {
    test::SimTerminal slim("slim", {"--fault", "silent-key=func"});
    ASSERT_TRUE(slim.Open());
    CSlimReadSession read(slim.Terminal());
    read.Start();
    read.Join();
    EXPECT_TRUE(read.Failed());
    EXPECT_FALSE(read.WarningsOnly());
    EXPECT_FALSE(read.Loaded());
    EXPECT_EQ(read.ErrorText(), Msg(ids::kReadFailed));
}

TEST(SlimReadSession, RefusedKeyEndsAsAFailedRead) {
    test::SimTerminal slim("slim", {"--fault", "error-key=disp"});
    ASSERT_TRUE(slim.Open());
    CSlimReadSession read(slim.Terminal());
    read.RunHere();
    EXPECT_TRUE(read.Failed());
    EXPECT_EQ(read.ErrorText(), Msg(ids::kReadFailed));
}

}  // namespace
}  // namespace morvik

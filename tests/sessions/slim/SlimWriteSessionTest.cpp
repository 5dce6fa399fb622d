// The Slim write session against a simulated Slim: the exact lines of each function and the
// failures that end a write.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/SlimExchange.h"
#include "sessions/SlimWriteSession.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

using Lines = std::vector<std::string>;

SlimEditorState Filled(SlimFunction function) {
    SlimEditorState state;
    state.function = function;
    state.browser = {"http://b/?", "a b"};
    state.toruca = {"http://t/", "0x1a", "d1", "", ""};
    state.mailer.to = "x@y";
    state.mailer.subject = "s";
    state.mailer.body = "b\r\nc";
    state.mailer.message = "m";
    state.browserQuery = true;
    state.encryptQuery = true;
    state.behaviour.buzzer = false;
    return state;
}

// The records written out by hand: kind, "%02x" lengths, the Toruca icon right-aligned in four
// places, then the fields; spaces as "\s", the line break as "\r\n".
const std::string kBrowser = "00a03http://b/?a\\sb";
const std::string kToruca = "109020000\\s\\s1Ahttp://t/d1";
const std::string kMailer = "20300010401x@ysb\\r\\ncm";

struct WriteCase {
    SlimFunction function;
    Lines lines;
};

// The function's name in test names and in CTest's list, instead of a dump of the bytes.
std::string FunctionName(SlimFunction function) {
    switch (function) {
        case SlimFunction::Browser:
            return "Browser";
        case SlimFunction::TorucaBrowser:
            return "TorucaBrowser";
        case SlimFunction::BrowserMailer:
            return "BrowserMailer";
        case SlimFunction::TorucaMailer:
            return "TorucaMailer";
    }
    return "Unknown";
}

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << FunctionName(c.function);
}

class SlimWriteLines : public ::testing::TestWithParam<WriteCase> {};

TEST_P(SlimWriteLines, SendsDispFuncRecordsQueInOrder) {
    test::SimTerminal slim("slim");
    ASSERT_TRUE(slim.Open());
    CSlimWriteSession session(slim.Terminal(), Filled(GetParam().function));
    session.Start();
    session.Join();

    EXPECT_TRUE(session.Completed());
    EXPECT_FALSE(session.Failed());
    EXPECT_EQ(session.ErrorText(), "");
    EXPECT_EQ(session.Maximum(), 7);
    EXPECT_EQ(session.TitleId(), res::ids::kWritingCaption);
    EXPECT_EQ(slim.LinesAfterLast("ver"), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, SlimWriteLines,
                         ::testing::Values(
                             // 機能1: no psh2; the browser query (bit 0) encrypted (bit 1).
                             WriteCase{SlimFunction::Browser,
                                       {"pset disp 2", "pset func 0", "pset psh1 " + kBrowser,
                                        "pset que 3"}},
                             // 機能2: the browser is psh2, so its query is bits 2 and 3.
                             WriteCase{SlimFunction::TorucaBrowser,
                                       {"pset disp 2", "pset func 1", "pset psh1 " + kToruca,
                                        "pset psh2 " + kBrowser, "pset que 12"}},
                             WriteCase{SlimFunction::BrowserMailer,
                                       {"pset disp 2", "pset func 1", "pset psh1 " + kBrowser,
                                        "pset psh2 " + kMailer, "pset que 3"}},
                             WriteCase{SlimFunction::TorucaMailer,
                                       {"pset disp 2", "pset func 1", "pset psh1 " + kToruca,
                                        "pset psh2 " + kMailer, "pset que 0"}}),
                         [](const ::testing::TestParamInfo<WriteCase>& info) {
                             return FunctionName(info.param.function);
                         });

TEST(SlimWriteSession, LeavesAPsh2FromAnEarlierFunctionAlone) {
    test::SimTerminal slim("slim", {"--param", "psh2=00501http:x"});
    ASSERT_TRUE(slim.Open());
    CSlimWriteSession session(slim.Terminal(), Filled(SlimFunction::Browser));
    session.RunHere();
    ASSERT_TRUE(session.Completed());
    EXPECT_EQ(slim.Sim().StateValue("psh2"), "00501http:x");
    EXPECT_EQ(slim.Sim().StateValue("psh1"), kBrowser);
}

// Only an empty value is cleared with "pclr"; anything else is set, and a cleared key reads back
// empty.
TEST(SlimWriteSession, EmptyValuesAreClearedOthersSet) {
    test::SimTerminal slim("slim", {"--param", "psh2=00501http:x"});
    ASSERT_TRUE(slim.Open());
    EXPECT_EQ(ReplyCheck(SlimSetValue(slim.Terminal(), SlimKey::Psh2, "")), kReplyOk);
    EXPECT_EQ(SlimGetValue(slim.Terminal(), SlimKey::Psh2), "");
    EXPECT_EQ(ReplyCheck(SlimSetValue(slim.Terminal(), SlimKey::Psh2, "00000")), kReplyOk);
    EXPECT_EQ(SlimGetValue(slim.Terminal(), SlimKey::Psh2), "00000");
    const std::vector<std::string> lines = slim.Sim().LogLines();
    EXPECT_EQ(Lines(lines.end() - 4, lines.end()),
              (Lines{"pclr psh2", "pget psh2", "pset psh2 00000", "pget psh2"}));
}

// The text a failed write ends with: the message, for a checksum error the setting's code, and
// CR LF. Nothing after the failing setting is sent.
struct FailureCase {
    std::string fault;
    int messageId;
    std::string code;
    Lines lines;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.fault;
}

class SlimWriteFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SlimWriteFailure, StopsAtTheFirstFailedReply) {
    const FailureCase& c = GetParam();
    test::SimTerminal slim("slim", {"--fault", c.fault});
    ASSERT_TRUE(slim.Open());
    CSlimWriteSession session(slim.Terminal(), Filled(SlimFunction::TorucaBrowser));
    session.RunHere();

    EXPECT_TRUE(session.Failed());
    EXPECT_FALSE(session.Completed());
    EXPECT_FALSE(session.WarningsOnly());
    EXPECT_EQ(session.ErrorText(), res::TextCp932(c.messageId) + c.code + "\r\n");
    EXPECT_EQ(slim.LinesAfterLast("ver"), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SlimWriteFailure,
    ::testing::Values(
        FailureCase{"bad-token=psh1",
                    res::ids::kWriteChecksumError,
                    "(213)",
                    {"pset disp 2", "pset func 1", "pset psh1 " + kToruca}},
        FailureCase{"bad-token=disp", res::ids::kWriteChecksumError, "(211)", {"pset disp 2"}},
        FailureCase{"bad-token=func",
                    res::ids::kWriteChecksumError,
                    "(191)",
                    {"pset disp 2", "pset func 1"}},
        FailureCase{
            "bad-token=psh2",
            res::ids::kWriteChecksumError,
            "(214)",
            {"pset disp 2", "pset func 1", "pset psh1 " + kToruca, "pset psh2 " + kBrowser}},
        // que gets no confirmation from the terminal; a refusal still stops the write.
        FailureCase{"error-key=que",
                    res::ids::kWriteFailed,
                    "",
                    {"pset disp 2", "pset func 1", "pset psh1 " + kToruca, "pset psh2 " + kBrowser,
                     "pset que 12"}},
        FailureCase{"silent-key=psh1",
                    res::ids::kSerialTimeout,
                    "",
                    {"pset disp 2", "pset func 1", "pset psh1 " + kToruca}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) {
        std::string name = info.param.fault;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

// A Slim loses input that comes faster than it takes it in; the session paces what it sends, so
// records longer than one gulp (64 bytes) still arrive whole and are confirmed.
TEST(SlimWriteSession, LongRecordsArriveWholeThroughThePacing) {
    test::SimTerminal slim("slim");
    ASSERT_TRUE(slim.Open());
    SlimEditorState state = Filled(SlimFunction::BrowserMailer);
    state.browser.url = "http://www.example.jp/" + std::string(120, 'u') + "?";
    state.mailer.body = std::string(30, 'b') + "\r\n" + std::string(30, 'c');
    CSlimWriteSession session(slim.Terminal(), state);
    test::SimTerminal::RunToEnd(session);
    EXPECT_TRUE(session.Completed()) << session.ErrorText();
    EXPECT_NE(slim.Sim().StateValue("psh1").find(state.browser.url), std::string::npos);
    EXPECT_NE(slim.Sim().StateValue("psh2").find(std::string(30, 'c')), std::string::npos);
    for (const std::string& line : slim.Sim().LogLines()) {
        EXPECT_FALSE(line.starts_with("[input lost")) << line;
    }
}

}  // namespace
}  // namespace morvik

// The exact lines of a session opening, in order, as the terminal receives them: the wake-ups,
// "exit", the Mini family's opening line and, for a Slim, its own wake-ups, its opening line and
// "pow s 0". And where the first-communication notice goes when it is meant for Slim users only
// (the command-line tool).

#include <gtest/gtest.h>

#include "support/SimTerminal.h"

namespace morvik {
namespace {

using Lines = std::vector<std::string>;

// Three wake-ups, each CR LF and then CR: two empty lines each (the terminal ends a line at CR
// and ignores LF).
Lines WakeUps() {
    return Lines(6, "");
}

Lines Join(std::initializer_list<Lines> parts) {
    Lines out;
    for (const Lines& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

TEST(SessionOpeningOrder, MiniFamily) {
    test::SimTerminal session("minis");
    ASSERT_TRUE(session.Open(false));
    EXPECT_EQ(session.Sim().LogLines(), Join({WakeUps(), {"exit", "config mini"}}));
}

TEST(SessionOpeningOrder, Slim) {
    test::SimTerminal session("slim");
    ASSERT_TRUE(session.Open(false));
    EXPECT_EQ(session.Sim().LogLines(),
              Join({WakeUps(), {"exit", "config mini"}, WakeUps(), {"config slim", "pow s 0"}}));
}

TEST(SessionOpeningOrder, NoticeOnlyForSlimComesAfterASlimOpenedOnce) {
    for (const char* edition : {"mini", "slim"}) {
        SCOPED_TRACE(edition);
        test::SimTerminal session(edition);
        session.Terminal().SetNoticeOnlyForSlim(true);
        ASSERT_TRUE(session.Open(false));
        session.Terminal().SendExit();
        session.Terminal().Disconnect();
        ASSERT_TRUE(session.Open(false));
        const size_t expected = std::string(edition) == "slim" ? 1u : 0u;
        EXPECT_EQ(session.Reporter().warnings.size(), expected);
    }
}

}  // namespace
}  // namespace morvik

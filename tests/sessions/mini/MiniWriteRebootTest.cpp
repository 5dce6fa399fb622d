// The end of a Mini-family write: every value confirmed, and then the applying "reboot" cannot
// be sent (the cable is pulled at that moment). The write must not be reported as done and
// restarted; its text says that the values were written but the terminal was not restarted.

#include <gtest/gtest.h>

#include <vector>

#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniWriteFrame.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

class CableLostBeforeReboot : public CMiniWriteFrame {
  public:
    explicit CableLostBeforeReboot(CTerminal& terminal) : CMiniWriteFrame(terminal, false) {}
    ~CableLostBeforeReboot() override { Join(); }

  protected:
    void Run() override {
        const std::vector<MiniKeyValue> values = {{res::ids::kKeyTlog, "tlog", "1"}};
        if (!SendValues(values)) {
            return;
        }
        Terminal().Disconnect();
        FinishWrite();
    }
};

TEST(MiniWriteEnd, RebootThatCannotBeSentIsNoSuccess) {
    test::SimTerminal mini;
    ASSERT_TRUE(mini.Open());
    CableLostBeforeReboot write(mini.Terminal());
    test::SimTerminal::RunToEnd(write);
    EXPECT_FALSE(write.Completed());
    EXPECT_TRUE(write.Failed());
    EXPECT_EQ(write.ErrorText(), res::TextCp932(res::ids::kWrittenButNotRestarted) + "\r\n");
    EXPECT_EQ(mini.Sim().StateValue("tlog"), "1");
}

}  // namespace
}  // namespace morvik

// Identification of every edition by a simulated terminal.

#include <gtest/gtest.h>

#include "protocol/ReplyCheck.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

struct EditionCase {
    const char* edition;
    EditionCode code;
    const char* product;
    const char* version;
};

TEST(Identification, EveryEditionFillsThePanel) {
    const EditionCase cases[] = {
        {"slim", kEditionSlim, "ZRT410N", "2.10"},
        {"mini", kEditionMini, "ZRT450", "1.20"},
        {"minis", kEditionMini, "ZRT450S", "3.05"},
        {"minisx", kEditionMiniSx, "ZRT450SX", "4.01"},
    };
    for (const EditionCase& c : cases) {
        SCOPED_TRACE(c.edition);
        test::SimTerminal session(c.edition, {"--tid", "T0042", "--version", c.version, "--boot",
                                              "4294967295", "--wdog", "1", "--touches", "77"});
        ASSERT_TRUE(session.Open(false));
        std::string raw;
        const DeviceInfo info = session.Terminal().ReadIdentification(&raw);
        EXPECT_NE(raw.find(c.product), std::string::npos) << raw;
        EXPECT_EQ(session.Terminal().DetectEdition(true), c.code);
        EXPECT_EQ(info.productName, c.product);
        EXPECT_EQ(info.terminalId, "T0042");
        EXPECT_EQ(info.firmwareVersion, c.version);
        EXPECT_EQ(info.bootCounter, "4294967296");
        if (c.code == kEditionSlim) {
            EXPECT_EQ(info.touchCounter, "-");
            EXPECT_EQ(info.clock, "----/--/-- --:--:--");
        } else {
            EXPECT_EQ(info.touchCounter, "77");
            ASSERT_EQ(info.clock.size(), 19u) << info.clock;
            EXPECT_EQ(info.clock.substr(0, 2), "20");
            EXPECT_EQ(info.clock[4], '/');
            EXPECT_EQ(info.clock[13], ':');
        }
        EXPECT_EQ(session.Terminal().TerminalIdQuery(), "T0042");
        if (c.code == kEditionSlim) {
            EXPECT_EQ(session.Terminal().FirmwareVersionQuery(), c.version);
        }
        EXPECT_TRUE(session.Reporter().errors.empty());
    }
}

TEST(Identification, UnknownMiniGenerationIsNoEdition) {
    test::SimTerminal session("mini", {"--version", "2.05"});
    ASSERT_TRUE(session.Open(false));
    EXPECT_EQ(session.Terminal().DetectEdition(true), kEditionNone);
    const DeviceInfo info = session.Terminal().ReadIdentification();
    EXPECT_EQ(info.productName, "ZRT450");
    EXPECT_EQ(info.firmwareVersion, "2.05");
    EXPECT_EQ(info.touchCounter, "");  // neither the Mini family's counter nor Slim's "-"
}

TEST(Identification, SilentTerminalLeavesThePanelEmpty) {
    test::SimTerminal session("mini", {"--fault", "silent-key=ver"});
    ASSERT_TRUE(session.Open(false));
    EXPECT_EQ(session.Terminal().ReadIdentification(), DeviceInfo{});
    EXPECT_EQ(session.Reporter().errors.size(), 1u);
}

TEST(Identification, DetectionOutsideASessionRestartsTheTerminal) {
    test::SimTerminal session("minis");
    EXPECT_EQ(session.Terminal().DetectEdition(false), kEditionMini);
    EXPECT_FALSE(session.Terminal().IsConnected());
    EXPECT_TRUE(session.Sim().WaitForLogLine("reboot s"));

    // Without a port there is no edition, and the connect says why.
    session.Terminal().SetDevicePath("/nonexistent/morvik-port");
    EXPECT_EQ(session.Terminal().DetectEdition(false), kEditionNone);
    ASSERT_EQ(session.Reporter().errors.size(), 1u);
}

}  // namespace
}  // namespace morvik

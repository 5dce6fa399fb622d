// Reading the identification reply and forming the panel, without a terminal.

#include <gtest/gtest.h>

#include <ctime>

#include "model/Cp932.h"
#include "protocol/ClockLine.h"
#include "protocol/DeviceInfo.h"
#include "protocol/Identification.h"

namespace morvik {
namespace {

TEST(EditionFromReply, FirstMatchingRuleDecides) {
    EXPECT_EQ(EditionFromReply("product ZRT410N\r\nversion 2.10\r\n"), kEditionSlim);
    EXPECT_EQ(EditionFromReply("product ZRT410\r\n"), kEditionSlim);
    EXPECT_EQ(EditionFromReply("prod ZRT450\r\nver 1.20\r\n"), kEditionMini);
    EXPECT_EQ(EditionFromReply("prod ZRT450S\r\nver 3.01\r\n"), kEditionMini);
    EXPECT_EQ(EditionFromReply("prod ZRT450SX\r\nver 4.00\r\n"), kEditionMiniSx);
    // Slim's model name wins over a Mini-family version line.
    EXPECT_EQ(EditionFromReply("product ZRT410N\r\nver 4.00\r\n"), kEditionSlim);
    EXPECT_EQ(EditionFromReply("prod ZRT450\r\nver 2.05\r\n"), kEditionNone);
    EXPECT_EQ(EditionFromReply("noreply"), kEditionNone);
    EXPECT_EQ(EditionFromReply(""), kEditionNone);
}

TEST(Identification, ItemValuesAndBootCounter) {
    const std::string reply = "prod ZRT450\r\ntid T01\r\nver 1.20\r\nboot 12\r\nwdog 3\r\n";
    EXPECT_EQ(ItemValue(reply, "prod"), "ZRT450");
    EXPECT_EQ(ItemValue(reply, "ver"), "1.20");
    EXPECT_EQ(ItemValue(reply, "product"), "");
    EXPECT_EQ(ItemValue("tid T01", "tid"), "");  // no line end: no value
    EXPECT_EQ(BootCounterText("12", "3"), "15");
    // Added as 64-bit numbers: no wrap at 32 bits.
    EXPECT_EQ(BootCounterText("4294967295", "1"), "4294967296");
    EXPECT_EQ(BootCounterText("abc", ""), "0");
    EXPECT_EQ(BootCounterText("7x", "-2"), "7");
}

TEST(Identification, ClockTextAndClockLine) {
    EXPECT_EQ(ClockText("ret=0\r\n24/03/05 06:07:08\r\n"), "2024/03/05 06:07:08");
    EXPECT_EQ(ClockText("error\r\n"), "----/--/-- --:--:--");
    EXPECT_EQ(ClockText("noreply"), "----/--/-- --:--:--");

    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 6;
    time.tm_min = 7;
    time.tm_sec = 8;
    EXPECT_EQ(ClockSetLine(time), "rtc s 24 03 05 06 07 08");
}

TEST(DeviceInfoClipboard, SixLabelledLinesInScreenOrder) {
    EXPECT_EQ(Cp932ToUtf8(DeviceInfoClipboardText(DeviceInfo{})),
              "製品名:\r\n端末ID:\r\nファームウェアバージョン:\r\n起動カウンタ:\r\n"
              "累積タッチカウンタ:\r\n時刻:\r\n");
    const DeviceInfo info{"ZRT450", "T01", "1.20", "15", "42", "2024/03/05 06:07:08"};
    EXPECT_EQ(Cp932ToUtf8(DeviceInfoClipboardText(info)),
              "製品名:ZRT450\r\n端末ID:T01\r\nファームウェアバージョン:1.20\r\n起動カウンタ:15\r\n"
              "累積タッチカウンタ:42\r\n時刻:2024/03/05 06:07:08\r\n");
}

}  // namespace
}  // namespace morvik

// The detailed write against a simulated Mini: the exact lines the terminal receives, the
// failures that end a write, and the sound upload with the image the terminal checks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniExchange.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "sessions/SoundUpload.h"
#include "sessions/mini/MiniTestData.h"
#include "support/Files.h"
#include "support/SimTerminal.h"
#include "support/Wave.h"

namespace morvik {
namespace {

using Lines = std::vector<std::string>;
using test::Sjis;

const std::string kZeros(22, '0');

// What the sample settings make a detailed write send, written out by hand: the identification
// every write asks for first, then the values.
Lines SampleLines(bool withIsc) {
    Lines lines = {"ver", "pset rslt 1", "pset fchg 2", "pset tlog 1", "pset pow 3"};
    if (withIsc) {
        lines.push_back("pset isc 0123");
    }
    const Lines rest = {
        "pset rtcc 0",
        "pset psA1 00a00http://a/?",
        "pset psB1 20300010301x@ysb\\scm",
        "pset que1 0",
        "pset lov1 0aaaaaaaaaaa0000000000",
        "pset lnv1 " + kZeros,
        "pset liv1 8d0000a000000000000000",
        "pset lob1 " + kZeros,
        "pset lnb1 " + kZeros,
        "pset lib1 " + kZeros,
        "pset psA2 40901000000\\s\\s1F" + Sjis("アア") + "\\s4\\s1http://t/d",
        "pset psB2 30b0303http://app/abcp\\sq",
        "pset que2 0",
        "pset lov2 " + kZeros,
        "pset lnv2 1411111000001111100000",
        "pset liv2 " + kZeros,
        "pset lob2 " + kZeros,
        "pset lnb2 " + kZeros,
        "pset lib2 " + kZeros,
        "pset pnt 1",
        "pset pntT 0930180003",
        "pset lpv1 " + kZeros,
        "pset lpb1 " + kZeros,
        "pset lpv2 " + kZeros,
        "pset lpb2 0aaaaaaaaaaa0000000000",
        "reboot",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

TEST(MiniWriteSession, SendsEveryKeyInOrderThenReboots) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession session(mini.Terminal(), test::SampleSettings(), false);
    test::SimTerminal::RunToEnd(session);

    EXPECT_TRUE(session.Completed());
    EXPECT_FALSE(session.Failed());
    EXPECT_EQ(session.ErrorText(), "");
    EXPECT_EQ(session.Maximum(), 42);
    EXPECT_EQ(session.Position(), 43);
    EXPECT_EQ(session.TitleId(), res::ids::kWritingCaption);
    // Without an authentication code isc is not sent at all, and no clock is set.
    EXPECT_EQ(mini.LinesSinceOpen("reboot"), SampleLines(false));
    EXPECT_EQ(mini.Sim().StateValue("lnv2"), "1411111000001111100000");
}

TEST(MiniWriteSession, SendsTheCodeAndTheClockWhenAsked) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    MiniSettings settings = test::SampleSettings();
    settings.terminal.authCode = "0123";
    CMiniWriteSession session(mini.Terminal(), settings, true);
    test::SimTerminal::RunToEnd(session);
    ASSERT_TRUE(session.Completed()) << session.ErrorText();

    Lines lines = mini.LinesSinceOpen("reboot");
    ASSERT_GE(lines.size(), 2u);
    // "rtc s YY MM DD hh mm ss" just before the reboot, and nowhere else.
    const std::string clock = lines[lines.size() - 2];
    EXPECT_TRUE(clock.starts_with("rtc s ")) << clock;
    EXPECT_EQ(clock.size(), std::string("rtc s 25 01 02 03 04 05").size());
    lines.erase(lines.end() - 2);
    EXPECT_EQ(lines, SampleLines(true));
}

TEST(MiniExchange, ClearsAnEmptyValueAndReadsItBackEmpty) {
    test::SimTerminal mini("mini", {"--param", "pntT=0930180003"});
    ASSERT_TRUE(mini.Open());
    EXPECT_EQ(MiniGetValue(mini.Terminal(), "pntT"), "0930180003");
    EXPECT_EQ(MiniSetValue(mini.Terminal(), "pntT", ""), "done\r\n");
    EXPECT_EQ(MiniGetValue(mini.Terminal(), "pntT"), "");
    EXPECT_EQ(mini.LinesSinceOpen("pget pntT").at(1), "pclr pntT");
}

struct FailureCase {
    std::string fault;
    std::string lastKey;  // the key whose exchange failed
    std::string errorText;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.fault;
}

class MiniWriteFailure : public ::testing::TestWithParam<FailureCase> {};

// The first unconfirmed key ends the write: nothing later is sent, no clock, no "reboot"; the
// caller's "reboot s" follows.
TEST_P(MiniWriteFailure, StopsAtTheKeyWithItsText) {
    test::SimTerminal mini("mini", {"--fault", GetParam().fault});
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession session(mini.Terminal(), test::SampleSettings(), true);
    test::SimTerminal::RunToEnd(session);
    EndMiniWrite(mini.Terminal(), session);

    EXPECT_TRUE(session.Failed());
    EXPECT_FALSE(session.Completed());
    EXPECT_FALSE(session.WarningsOnly());
    EXPECT_EQ(session.ErrorText(), GetParam().errorText);

    const Lines lines = mini.LinesSinceOpen("reboot s");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "reboot s");
    EXPECT_EQ(test::KeyOf(lines[lines.size() - 2]), GetParam().lastKey);
    for (const std::string& line : lines) {
        EXPECT_FALSE(line == "reboot" || line.starts_with("rtc")) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ByReply, MiniWriteFailure,
    ::testing::Values(FailureCase{"bad-token=lnv1", "lnv1",
                                  Sjis("書き込み時のチェックサムエラーが発生しました。(463)\r\n")},
                      FailureCase{"bad-token=pntT", "pntT",
                                  Sjis("書き込み時のチェックサムエラーが発生しました。(481)\r\n")},
                      // "error" carries no token, so the write is not confirmed either.
                      FailureCase{"error-key=que1", "que1",
                                  Sjis("書き込み時のチェックサムエラーが発生しました。(498)\r\n")},
                      FailureCase{"silent-key=psB2", "psB2",
                                  Sjis("シリアル通信でタイムアウトが発生しました。\r\n")}),
    [](const ::testing::TestParamInfo<FailureCase>& info) {
        std::string name = info.param.fault;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

// A clock the terminal did not take is reported, not passed over as a complete write.
TEST(MiniWriteSession, ARefusedClockEndsTheWriteWithoutTheReboot) {
    test::SimTerminal mini("mini", {"--fault", "error-key=rtc"});
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession session(mini.Terminal(), test::SampleSettings(), true);
    test::SimTerminal::RunToEnd(session);
    EndMiniWrite(mini.Terminal(), session);
    EXPECT_TRUE(session.Failed());
    EXPECT_EQ(session.ErrorText(), Sjis("シリアル通信で書き込みに失敗しました。\r\n"));
    const Lines lines = mini.LinesSinceOpen("reboot s");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("rtc s ")) << lines[lines.size() - 2];
    EXPECT_EQ(lines.back(), "reboot s");
}

// ---- Sounds ----------------------------------------------------------------------------------

class MiniWriteSounds : public ::testing::Test {
  protected:
    // Twelve distinct wave files of different sizes, one per slot.
    MiniSettings WithTwelveSounds() {
        MiniSettings settings = test::SampleSettings();
        settings.registerSounds = true;
        for (std::size_t slot = 0; slot < settings.soundPaths.size(); ++slot) {
            const std::string path = dir_.File("s" + std::to_string(slot) + ".wav");
            test::WriteWave(path, 300 + 97 * slot, static_cast<uint8_t>(slot));
            settings.soundPaths[slot] = path;
        }
        return settings;
    }
    static std::string SoundLine(const Lines& lines, const std::string& key) {
        for (const std::string& line : lines) {
            if (line.starts_with("pset " + key + " ")) {
                return line.substr(6 + key.size());
            }
        }
        return "(not sent)";
    }

    test::TempDir dir_;
};

TEST_F(MiniWriteSounds, UploadsTwelveFilesTheTerminalAccepts) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    const MiniSettings settings = WithTwelveSounds();
    CMiniWriteSession session(mini.Terminal(), settings, false);
    test::SimTerminal::RunToEnd(session);
    ASSERT_TRUE(session.Completed()) << session.ErrorText();
    EXPECT_EQ(session.SoundCount(), 12);
    EXPECT_EQ(session.Maximum(), 42 + 24);
    EXPECT_EQ(session.Position(), 42 + 24 + 1);

    const Lines lines = mini.LinesSinceOpen("reboot");
    // The image: header and directory, then the twelve files (44-byte headers).
    std::size_t length = 4096;
    for (std::size_t slot = 0; slot < 12; ++slot) {
        length += 44 + 300 + 97 * slot;
    }
    const std::size_t blocks = (length + 127) / 128;
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "ver");
    EXPECT_EQ(lines[1], "x i 0 " + std::to_string(length));
    EXPECT_EQ(lines[2], "[upload " + std::to_string(length) + " bytes, " + std::to_string(blocks) +
                            " blocks: done]");
    // Every slot plays its own entry; the set's sounds come right after its query flags.
    const char* keys[] = {"sov1", "snv1", "spv1", "sob1", "snb1", "spb1",
                          "sov2", "snv2", "spv2", "sob2", "snb2", "spb2"};
    for (int slot = 0; slot < 12; ++slot) {
        EXPECT_EQ(SoundLine(lines, keys[slot]), std::to_string(slot)) << keys[slot];
    }
    const Lines psets = test::WithPrefix(lines, "pset ");
    ASSERT_EQ(psets.size(), 29u + 12u);
    EXPECT_EQ(test::KeyOf(psets[8]), "sov1");
    EXPECT_EQ(test::KeyOf(psets[14]), "lov1");
    EXPECT_EQ(test::KeyOf(psets[23]), "sov2");
}

TEST_F(MiniWriteSounds, EmptySlotsWithRegistrationEmptyTheSoundMemory) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    MiniSettings settings = test::SampleSettings();
    settings.registerSounds = true;
    CMiniWriteSession session(mini.Terminal(), settings, false);
    test::SimTerminal::RunToEnd(session);
    ASSERT_TRUE(session.Completed()) << session.ErrorText();
    EXPECT_EQ(session.Maximum(), 42);

    const Lines lines = mini.LinesSinceOpen("reboot");
    EXPECT_EQ(lines.at(2), "[upload 4096 bytes, 32 blocks: done]");
    EXPECT_EQ(SoundLine(lines, "sov1"), "255");
    EXPECT_EQ(SoundLine(lines, "spb2"), "255");
}

TEST_F(MiniWriteSounds, AnUnusableFileStopsBeforeAnythingIsSent) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    MiniSettings settings = WithTwelveSounds();
    std::string stereo = test::WavBytes(test::WavOfSize(44 + 100, 0));
    stereo[22] = 2;  // two channels
    test::WriteWholeFile(settings.soundPaths[5], stereo);
    CMiniWriteSession session(mini.Terminal(), settings, false);
    test::SimTerminal::RunToEnd(session);

    EXPECT_TRUE(session.Failed());
    EXPECT_EQ(session.ErrorText(), res::TextCp932(res::ids::kSoundFileInvalid) + "\r\n");
    EndMiniWrite(mini.Terminal(), session);
    EXPECT_EQ(mini.LinesSinceOpen("reboot s"), (Lines{"ver", "reboot s"}));
}

// The terminal never asks for the data: after the announcement's echo and ten more reads of a
// second each the upload gives up with the time-out text, and no parameter is sent.
TEST_F(MiniWriteSounds, NoNakEndsWithTheTimeOutText) {
    test::SimTerminal mini("mini", {"--fault", "no-nak"});
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession session(mini.Terminal(), WithTwelveSounds(), false);
    test::SimTerminal::RunToEnd(session);

    EXPECT_TRUE(session.Failed());
    EXPECT_EQ(session.ErrorText(), Sjis("シリアル通信でタイムアウトが発生しました。\r\n"));
    const Lines lines = mini.Sim().LogLines();
    EXPECT_TRUE(test::WithPrefix(lines, "pset ").empty());
    EXPECT_TRUE(test::WithPrefix(lines, "x i 0 ").size() == 1);
}

// The terminal checks what it received and says "error": the upload ends at once with 361
// instead of waiting for a "done" that cannot come.
TEST(SoundUpload, AnImageTheTerminalRefusesIsReportedAsRefused) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    const std::vector<std::uint8_t> notAnImage(300, 0x41);
    EXPECT_EQ(AnnouncedUpload(mini.Terminal(), notAnImage), UploadOutcome::Refused);
    EXPECT_EQ(mini.Terminal().Port().SentBytes(), 300);
    EXPECT_EQ(UploadFailureText(UploadOutcome::Refused),
              Sjis("音声データの書き込みに失敗しました。"));
    EXPECT_EQ(mini.LinesSinceOpen("[upload 300 bytes, 3 blocks: error]").at(1),
              "[upload 300 bytes, 3 blocks: error]");
    // The terminal is back in command mode and takes the next exchange.
    EXPECT_EQ(MiniGetValue(mini.Terminal(), "que1"), "0");
}

}  // namespace
}  // namespace morvik

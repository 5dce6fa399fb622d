// What the detailed window says before a write: every message at once, in its order, from the
// selected pages only; and what stops a write with registered sounds.

#include <gtest/gtest.h>

#include <fstream>

#include "model/MiniSettings.h"
#include "model/settings/MiniSettingsGen.h"
#include "res/Strings.h"
#include "support/SimProcess.h"
#include "support/Wave.h"

namespace morvik {
namespace {

std::string Msg(int id) {
    return res::TextCp932(id);
}

TEST(MiniValidation, EveryFaultInTheWindowsOrder) {
    MiniSettings m;
    // Set 1, docomo: browser without URL, a TAB in the message, a query chosen.
    m.sets[0].docomo.Select(BrowserRecord{"", "a\tb"});
    m.sets[0].docomo.SetQuery(QueryChoice::AppendEncrypted);
    // A page that is not selected is not validated, however wrong it is.
    m.sets[0].docomo.toruca.categoryIcon = "zz";
    // Set 1, other: mailer without To, CC with a byte that is no printable ASCII.
    m.sets[0].other.Select(MailerRecord{"", "a\x80", "", "", ""});
    // Set 2, docomo: Toruca whose URL has no query ending, bad icon, one-character kana ID,
    // a letter as colour ID.
    TorucaRecord toruca;
    toruca.detailUrl = "http://x/";
    toruca.categoryIcon = "zz";
    toruca.kanaId = test::Sjis("ア");
    toruca.colorId = "a";
    m.sets[1].docomo.Select(toruca);
    m.sets[1].docomo.SetQuery(QueryChoice::AppendPlain);
    // Set 2, other: application whose identification code is one byte too long.
    m.sets[1].other.Select(ApplicationRecord{"", "1234567", ""});
    m.terminal.authCode = "12a";

    std::vector<std::string> messages = ValidateMiniSettings(m);
    ASSERT_EQ(messages.size(), 11u) << MessageLines(messages);
    EXPECT_EQ(messages[0], Msg(918));
    EXPECT_EQ(messages[1], Msg(921));
    EXPECT_EQ(messages[2], Msg(953));
    EXPECT_EQ(messages[3], Msg(955));
    EXPECT_EQ(messages[4], Msg(963));
    EXPECT_EQ(messages[5], Msg(931));
    EXPECT_EQ(messages[6], res::Format(Msg(346), 2));
    EXPECT_EQ(messages[7], Msg(358));
    EXPECT_EQ(messages[8], res::Format(Msg(273), 6));
    EXPECT_EQ(messages[9], Msg(215));
    EXPECT_EQ(messages[10], Msg(259));
}

TEST(MiniValidation, FreshSettingsNeedAUrlOnEveryBrowserPage) {
    EXPECT_EQ(ValidateMiniSettings(MiniSettings()), std::vector<std::string>(4, Msg(918)));
    // An empty authentication code is allowed: it is simply not written.
    MiniSettings m = test::MiniSettingsGen(8).Any();
    m.terminal.authCode.clear();
    EXPECT_TRUE(ValidateMiniSettings(m).empty());
}

TEST(MiniValidation, RegisteredSoundsMustExistFitAndBeWaveFiles) {
    test::TempDir dir;
    MiniSettings m;
    m.soundPaths[0] = dir.File("missing.wav");
    EXPECT_TRUE(CheckMiniSounds(m).empty()) << "without registration nothing is sent";

    m.registerSounds = true;
    EXPECT_EQ(CheckMiniSounds(m), std::vector<std::string>{Msg(116)});

    std::ofstream(dir.File("text.wav")) << "not a wave file at all, but long enough to look at";
    m.soundPaths[0] = dir.File("text.wav");
    EXPECT_EQ(CheckMiniSounds(m), std::vector<std::string>{Msg(116)});

    test::WriteWave(dir.File("a.wav"), 200000 - 44);
    test::WriteWave(dir.File("b.wav"), 58048 - 44);
    m.soundPaths.fill(dir.File("a.wav"));  // one file in every slot counts once
    m.soundPaths[5] = dir.File("b.wav");
    m.soundPaths[6] = "";
    EXPECT_TRUE(CheckMiniSounds(m).empty());  // exactly 258048 bytes

    test::WriteWave(dir.File("b.wav"), 58049 - 44);
    EXPECT_EQ(CheckMiniSounds(m), std::vector<std::string>{res::Format(Msg(339), 252)});
}

}  // namespace
}  // namespace morvik

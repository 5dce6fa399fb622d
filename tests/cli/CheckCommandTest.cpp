// morvik check end to end: the built program on real files.

#include <gtest/gtest.h>

#include <fstream>

#include "files/MiniFamilySettingsFile.h"
#include "model/Cp932.h"
#include "model/settings/MiniSettingsGen.h"
#include "res/Strings.h"
#include "support/CliFixture.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

class CheckCommand : public test::CliFixture {
  protected:
    test::RunResult Check(std::vector<std::string> args) {
        args.insert(args.begin(), "check");
        return Morvik(std::move(args));
    }
};

std::string Utf8(int id) {
    return std::string(res::Text(id));
}

TEST_F(CheckCommand, AFileThatCanBeWrittenAsItStands) {
    test::TempDir dir;
    MiniSettings m = test::MiniSettingsGen(31).Any();
    m.registerSounds = false;  // the paths name no files here
    std::string message;
    ASSERT_TRUE(SaveMiniSettingsFile(dir.File("good.dat"), m, message));
    test::RunResult run = Check({dir.File("good.dat")});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(CheckCommand, EveryMessageOnALineOfItsOwn) {
    test::TempDir dir;
    MiniSettings m = test::MiniSettingsGen(32).Any();
    // A mailer without To: the load already reports it, and the window's check does not
    // repeat it.
    m.sets[0].other.Select(MailerRecord{"", "", "", "", ""});
    // A code that loads (hexadecimal) but may not be written (not digits).
    m.terminal.authCode = "12ab";
    m.registerSounds = true;
    m.soundPaths = {};
    m.soundPaths[3] = dir.File("none.wav");
    std::string text = MiniSettingsFileText(m);
    // A lamp code of set 2 that no page can show: a load warning ahead of the window's checks.
    std::size_t at = text.find("\r\nlnv2 ") + 7;
    text.replace(at, 2, "7f");
    std::ofstream(dir.File("bad.dat"), std::ios::binary) << text;

    test::RunResult run = Check({dir.File("bad.dat")});
    EXPECT_EQ(run.exitCode, 1);
    // Only the damaged row is named (and emptied); its group's other lamps stay.
    std::string lamps =
        res::Format(Utf8(388), "設定2(ACアダプタ/モルヴィク・ミニ設定ケーブル利用時 失敗)");
    EXPECT_EQ(run.out, Utf8(953) + "\n" + lamps + "\n" + Utf8(215) + "\n" + Utf8(116) + "\n");
}

// write obeys check's verdict: a Mini file whose lamp code and authentication code only load
// with warnings (values the file does not hold would reach the terminal) sends nothing at all.
TEST_F(CheckCommand, WriteRefusesEveryFileThatCheckRefuses) {
    test::TempDir dir;
    MiniSettings m = test::MiniSettingsGen(33).Any();
    m.registerSounds = false;
    std::string text = MiniSettingsFileText(m);
    text.replace(text.find("\r\nlnv1 ") + 7, 2, "7f");
    const std::size_t isc = text.find("\r\nisc ");
    ASSERT_NE(isc, std::string::npos);
    text.replace(isc + 6, text.find("\r\n", isc + 2) - isc - 6, "zz");
    std::ofstream(dir.File("warned.dat"), std::ios::binary) << text;

    const test::RunResult check = Check({dir.File("warned.dat")});
    EXPECT_EQ(check.exitCode, 1);
    ASSERT_FALSE(check.out.empty());
    test::SimProcess sim = Sim("mini");
    const test::RunResult write = Morvik(sim, {"write", dir.File("warned.dat")});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_EQ(write.err, check.out);
    EXPECT_EQ(write.out, "");
    EXPECT_TRUE(sim.LogLines().empty()) << "the terminal was spoken to";
}

TEST_F(CheckCommand, FilesThatCannotBeLoaded) {
    test::TempDir dir;
    // A file that cannot be opened is an error (standard error), not a result.
    test::RunResult missing = Check({dir.File("none.dat")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, Utf8(907) + "\n");

    std::ofstream(dir.File("text.dat")) << "hello\r\n";
    test::RunResult noHeader = Check({dir.File("text.dat")});
    EXPECT_EQ(noHeader.exitCode, 1);
    EXPECT_EQ(noHeader.out, Utf8(914) + "\n");

    std::ofstream(dir.File("norslt.dat")) << "# Morvik Mini [ZRT450] Configuration File\r\n";
    test::RunResult noRslt = Check({dir.File("norslt.dat")});
    EXPECT_EQ(noRslt.exitCode, 1);
    EXPECT_EQ(noRslt.out, Utf8(317) + "\n");

    // A Slim file with nothing but its header is checked as a Slim file: its own messages, not
    // the Mini ones and not "wrong edition".
    std::ofstream(dir.File("slim.dat")) << "# Morvik Slim [ZRT410] Configuration File\r\n";
    test::RunResult slim = Check({dir.File("slim.dat")});
    EXPECT_EQ(slim.exitCode, 1);
    EXPECT_EQ(slim.out.find(Utf8(386)), std::string::npos);
    EXPECT_NE(slim.out.find(Utf8(911)), std::string::npos);
    EXPECT_EQ(slim.out.find(Utf8(317)), std::string::npos);
}

TEST_F(CheckCommand, BadCommandLines) {
    test::RunResult none = Check({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_NE(none.err.find("ファイルを指定してください。"), std::string::npos) << none.err;
    EXPECT_EQ(Check({"a.dat", "b.dat"}).exitCode, 2);
    EXPECT_EQ(Check({"--fast", "a.dat"}).exitCode, 2);
}

}  // namespace
}  // namespace morvik

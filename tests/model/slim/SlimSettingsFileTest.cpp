// The Slim settings file: the lines it is saved with, and loading it through the read session
// (the way a file reaches the editor), including the size guard and refusals.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/SlimSettingsFile.h"
#include "model/slim/SlimGen.h"
#include "morvik/Version.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/SlimReadSession.h"
#include "support/Files.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace ids = res::ids;

const std::string kHeader = "# Morvik Slim [ZRT410] Configuration File";

// Loads path as the editor does; the session has finished when this returns.
struct Load {
    explicit Load(const std::string& path) : session(path) { session.RunHere(); }
    CSlimReadSession session;
};

SlimEditorState Sample(SlimFunction function) {
    SlimEditorState state;
    state.function = function;
    state.browser = {"http://b/", "a b"};
    state.toruca = {"http://t/", "0x1a", "d1", "", ""};
    state.mailer.to = "x@y";
    state.behaviour.lowVoltageBuzzer = false;
    return state;
}

TEST(SlimSettingsFile, SavedLinesForTheFirstFunctionHaveNoPsh2) {
    test::TempDir dir;
    const std::string path = dir.File("one.dat");
    ASSERT_TRUE(SaveSlimSettingsFile(path, Sample(SlimFunction::Browser)));
    EXPECT_EQ(test::ReadWholeFile(path),
              kHeader + "\r\nver " + kProgramVersion +
                  "\r\nfunc 0\r\nque 0\r\npsh1 00903http://b/a\\sb\r\ndisp 8\r\n");
}

TEST(SlimSettingsFile, SavedLinesForTorucaAndBrowser) {
    EXPECT_EQ(SlimSettingsFileText(BuildSlimSettings(Sample(SlimFunction::TorucaBrowser)),
                                   SlimFunction::TorucaBrowser),
              kHeader + "\r\nver " + std::string(kProgramVersion) +
                  "\r\nfunc 1\r\nque 0\r\npsh1 109020000\\s\\s1Ahttp://t/d1\r\n"
                  "psh2 00903http://b/a\\sb\r\ndisp 8\r\n");
}

// Saved and loaded again, generated states of every function come back unchanged.
TEST(SlimSettingsFile, SaveThenLoadGivesTheStateBack) {
    test::TempDir dir;
    slimtest::SlimGen gen(5150);
    for (SlimFunction function : {SlimFunction::Browser, SlimFunction::TorucaBrowser,
                                  SlimFunction::BrowserMailer, SlimFunction::TorucaMailer}) {
        for (int i = 0; i < 20; ++i) {
            const SlimEditorState state = gen.State(function);
            const std::string path = dir.File("gen.dat");
            ASSERT_TRUE(SaveSlimSettingsFile(path, state));
            Load load(path);
            ASSERT_TRUE(load.session.Completed()) << load.session.ErrorText();
            EXPECT_EQ(load.session.State(), state);
            EXPECT_EQ(load.session.FileText(), test::ReadWholeFile(path) + "\r\n");
        }
    }
}

// Every field at its limit and every byte one the escape doubles: the largest file the tool
// writes. It is bigger than 1024 bytes and must load again.
TEST(SlimSettingsFile, TheLargestFileTheToolWritesLoads) {
    SlimEditorState state;
    state.function = SlimFunction::TorucaBrowser;
    state.browser.url = std::string(184, 'u');
    state.browser.message = std::string(183, ' ');
    state.toruca.detailUrl = std::string(173, 't');
    state.toruca.categoryIcon = "F";
    state.toruca.data1 = std::string(40, '\\');
    state.toruca.data2 = std::string(100, ' ');
    state.toruca.data3 = std::string(20, ' ');

    test::TempDir dir;
    const std::string path = dir.File("big.dat");
    ASSERT_TRUE(SaveSlimSettingsFile(path, state));
    const std::size_t size = test::ReadWholeFile(path).size();
    EXPECT_GT(size, 1024u);
    EXPECT_LE(size, kSlimSettingsFileMaxSize);
    Load load(path);
    ASSERT_TRUE(load.session.Completed()) << load.session.ErrorText();
    EXPECT_EQ(load.session.State(), state);
}

// Padded with a line no reader looks at: a file of exactly the limit loads, one byte more is
// refused with an empty error text (reported as 914).
TEST(SlimSettingsFile, SizeGuardAtTheLimit) {
    test::TempDir dir;
    const std::string text = SlimSettingsFileText(BuildSlimSettings(Sample(SlimFunction::Browser)),
                                                  SlimFunction::Browser);
    const std::size_t limit = kSlimSettingsFileMaxSize;
    ASSERT_LT(text.size() + 2, limit);
    const std::string padded = text + std::string(limit - text.size() - 2, 'x') + "\r\n";
    ASSERT_EQ(padded.size(), limit);

    test::WriteWholeFile(dir.File("limit.dat"), padded);
    Load fits(dir.File("limit.dat"));
    EXPECT_TRUE(fits.session.Completed()) << fits.session.ErrorText();

    test::WriteWholeFile(dir.File("over.dat"), padded + "x");
    Load over(dir.File("over.dat"));
    EXPECT_TRUE(over.session.Failed());
    EXPECT_EQ(over.session.ErrorText(), "");
    EXPECT_FALSE(over.session.Loaded());
}

TEST(SlimSettingsFile, LinesAreFoundWhereverTheyStand) {
    test::TempDir dir;
    // Lines before the header, a different order, a last line without its line end, an unknown
    // key, and a repeated key of which the first counts.
    const std::string text = "comment\r\n" + kHeader +
                             "\r\ndisp 8\r\nzzz 1\r\npsh1 00903http://b/a\\sb\r\nque 0\r\n"
                             "que 3\r\nfunc 0";
    test::WriteWholeFile(dir.File("moved.dat"), text);
    Load load(dir.File("moved.dat"));
    ASSERT_TRUE(load.session.Completed()) << load.session.ErrorText();
    const SlimSettings values = load.session.Values();
    EXPECT_EQ(values, (SlimSettings{"0", "0", "00903http://b/a\\sb", "", "8"}));
    SlimEditorState expected;
    expected.browser = {"http://b/", "a b"};
    expected.behaviour.lowVoltageBuzzer = false;
    EXPECT_EQ(load.session.State(), expected);
}

// Any value that fails its check refuses the file as a whole, with no text of its own, where a
// terminal's value would only have given a warning.
TEST(SlimSettingsFile, OneInvalidValueRefusesTheWholeFile) {
    test::TempDir dir;
    // The first occurrence of a key counts, so each bad line stands before the good ones.
    const std::string good = "func 0\r\nque 0\r\npsh1 00903http://b/a\\sb\r\ndisp 0\r\n";
    for (const std::string bad : {"disp abc\r\n", "que 2\r\n", "psh1 00000\r\n", "func 7\r\n"}) {
        const std::string text = kHeader + "\r\n" + bad + good;
        test::WriteWholeFile(dir.File("bad.dat"), text);
        Load load(dir.File("bad.dat"));
        EXPECT_TRUE(load.session.Failed()) << bad;
        EXPECT_FALSE(load.session.WarningsOnly());
        EXPECT_FALSE(load.session.Loaded());
        EXPECT_EQ(load.session.ErrorText(), "");
    }
}

TEST(SlimSettingsFile, RefusalsOfTheFileItself) {
    test::TempDir dir;
    Load missing(dir.File("none.dat"));
    EXPECT_TRUE(missing.session.Failed());
    EXPECT_EQ(missing.session.ErrorText(), res::TextCp932(ids::kFileOpenFailed) + "\r\n");

    test::WriteWholeFile(
        dir.File("mini.dat"),
        "# Morvik Mini [ZRT450] Configuration File\r\nfunc 0\r\npsh1 00501http:x\r\n");
    Load mini(dir.File("mini.dat"));
    EXPECT_TRUE(mini.session.Failed());
    EXPECT_EQ(mini.session.ErrorText(), "");
}

TEST(SlimSettingsFile, AFailedSaveLeavesNothing) {
    test::TempDir dir;
    EXPECT_FALSE(SaveSlimSettingsFile(dir.File("no/such/folder.dat"), SlimEditorState{}));
    EXPECT_FALSE(SaveSlimSettingsFile(dir.path(), SlimEditorState{}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

}  // namespace
}  // namespace morvik

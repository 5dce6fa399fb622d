// Device settings files: edition headers, the Mini/MiniS line order, finding values, the size
// guard against the largest file the tool writes, damaged files and safe saving.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/MiniFamilySettingsFile.h"
#include "files/SettingsFile.h"
#include "model/FunctionRecordValidate.h"
#include "model/settings/MiniSettingsGen.h"
#include "morvik/Version.h"
#include "res/Strings.h"
#include "support/Files.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;
using test::MiniSettingsGen;
using test::Sjis;

const std::string kSlim = "# Morvik Slim [ZRT410] Configuration File";
const std::string kMini = "# Morvik Mini [ZRT450] Configuration File";
const std::string kMiniSx = "# Morvik MiniSx [ZRT450] Configuration File";

TEST(SettingsFile, TheHeaderNamesTheEditionWhereverItStands) {
    using E = SettingsFileEdition;
    EXPECT_EQ(DetectSettingsFileEdition(kSlim + "\r\nver 1\r\n"), E::Slim);
    EXPECT_EQ(DetectSettingsFileEdition(kMini + "\r\n"), E::Mini);
    EXPECT_EQ(DetectSettingsFileEdition(kMiniSx + "\r\n"), E::MiniSx);
    EXPECT_EQ(DetectSettingsFileEdition("rslt 0\r\nsome line\r\n" + kMini + "\r\nfchg 1\r\n"),
              E::Mini);
    // Several headers: Slim before Mini before MiniSx, wherever they stand.
    EXPECT_EQ(DetectSettingsFileEdition(kMini + "\r\n" + kSlim + "\r\n"), E::Slim);
    EXPECT_EQ(DetectSettingsFileEdition(kMiniSx + "\r\n" + kMini + "\r\n"), E::Mini);
    EXPECT_EQ(DetectSettingsFileEdition(""), E::Unknown);
    EXPECT_EQ(DetectSettingsFileEdition("# Morvik Mini [ZRT451] Configuration File\r\n"),
              E::Unknown);
    EXPECT_EQ(SettingsFileHeader(E::Mini), kMini);
}

TEST(SettingsFile, MiniLinesInTheirOrderWithTheProgramVersion) {
    MiniSettings model = MiniSettingsGen(1).Any();
    std::string text = MiniSettingsFileText(model);
    std::vector<std::string> keys;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        ASSERT_TRUE(line.ends_with("\r")) << "every line ends with CR LF";
        keys.push_back(line.substr(0, line.find(' ')));
    }
    const std::vector<std::string> expected = {
        "#",        "ver",      "psA1",        "psA1-kanaID", "psA1-reID",    "psA1-colorID",
        "psB1",     "psA2",     "psA2-kanaID", "psA2-reID",   "psA2-colorID", "psB2",
        "que1",     "que2",     "sov1",        "snv1",        "spv1",         "sob1",
        "snb1",     "spb1",     "sov2",        "snv2",        "spv2",         "sob2",
        "snb2",     "spb2",     "lov1",        "lnv1",        "liv1",         "lpv1",
        "lob1",     "lnb1",     "lib1",        "lpb1",        "lov2",         "lnv2",
        "liv2",     "lpv2",     "lob2",        "lnb2",        "lib2",         "lpb2",
        "pnt",      "pntT",     "rslt",        "fchg",        "tlog",         "pow",
        "isc",      "rtcc",     "sov1path",    "snv1path",    "spv1path",     "sob1path",
        "snb1path", "spb1path", "sov2path",    "snv2path",    "spv2path",     "sob2path",
        "snb2path", "spb2path", "sound_regist"};
    EXPECT_EQ(keys, expected);
    EXPECT_TRUE(text.starts_with(kMini + "\r\nver " + kProgramVersion + "\r\n"));
    // The authentication code is stored packed, not as the digits.
    EXPECT_EQ(SettingsFileValue(text, "isc").find(model.terminal.authCode), std::string::npos);
}

TEST(SettingsFile, ValuesAreFoundByLineWhateverTheOrder) {
    std::string text = "x\r\nque1 1\r\nrslt 0\r\nrslt 1\r\nsov1path C:\\a\\rslt 5.wav\r\n";
    EXPECT_EQ(SettingsFileValue(text, "rslt"), "0");  // the first line wins
    EXPECT_EQ(SettingsFileValue(text, "que1"), "1");
    EXPECT_EQ(SettingsFileValue(text, "sov1path"), "C:\\a\\rslt 5.wav");
    EXPECT_EQ(SettingsFileValue(text, "fchg"), "");
    // A key inside another line's value is not that key's line.
    EXPECT_EQ(SettingsFileValue("a b sound_regist 0\r\nsound_regist 1\r\n", "sound_regist"), "1");
    // A key is a whole word: "pnt" is not found in "pntT".
    EXPECT_EQ(SettingsFileValue("pntT 0900180003\r\npnt 1\r\n", "pnt"), "1");
    EXPECT_EQ(SettingsFileValue("pnt \r\n", "pnt"), "");
    // A file whose lines end in LF alone still gives each line's value.
    EXPECT_EQ(SettingsFileValue("rslt 1\nfchg 2\n", "rslt"), "1");

    // Swapping two lines of a saved file changes nothing.
    MiniSettings model = MiniSettingsGen(2).Any();
    std::string saved = MiniSettingsFileText(model);
    std::string rslt = "rslt " + SettingsFileValue(saved, "rslt") + "\r\n";
    std::string lov1 = "lov1 " + SettingsFileValue(saved, "lov1") + "\r\n";
    std::string swapped = saved;
    swapped.replace(swapped.find(rslt), rslt.size(), "@R@");
    swapped.replace(swapped.find(lov1), lov1.size(), rslt);
    swapped.replace(swapped.find("@R@"), 3, lov1);
    ASSERT_NE(swapped, saved);
    MiniSettings back;
    ASSERT_FALSE(LoadMiniSettingsText(swapped, back).Failed());
    EXPECT_EQ(back, model);
}

TEST(SettingsFile, LoadingFromDisk) {
    test::TempDir dir;
    MiniSettings model = MiniSettingsGen(3).Any();
    std::string text = MiniSettingsFileText(model);

    // The last line without its line end is still found.
    ASSERT_TRUE(text.ends_with("sound_regist 0\r\n") || text.ends_with("sound_regist 1\r\n"));
    test::WriteWholeFile(dir.File("cut.dat"), text.substr(0, text.size() - 2));
    MiniSettings back;
    MiniReadResult read = LoadMiniSettingsFile(dir.File("cut.dat"), back);
    ASSERT_FALSE(read.Failed()) << read.error;
    EXPECT_EQ(back, model);

    // A file without the rslt line fails with rslt's message.
    std::string noRslt = text;
    std::size_t at = noRslt.find("\r\nrslt ") + 2;
    noRslt.erase(at, noRslt.find("\r\n", at) + 2 - at);
    test::WriteWholeFile(dir.File("norslt.dat"), noRslt);
    MiniSettings untouched = MiniSettingsGen(4).Any();
    const MiniSettings before = untouched;
    EXPECT_EQ(LoadMiniSettingsFile(dir.File("norslt.dat"), untouched).error, res::TextCp932(317));
    EXPECT_EQ(untouched, before);

    // No file, a folder, an empty file, a file of another edition.
    EXPECT_EQ(LoadMiniSettingsFile(dir.File("none.dat"), back).error, res::TextCp932(907));
    EXPECT_EQ(LoadMiniSettingsFile(dir.path(), back).error, res::TextCp932(907));
    test::WriteWholeFile(dir.File("empty.dat"), "");
    EXPECT_EQ(LoadMiniSettingsFile(dir.File("empty.dat"), back).error, res::TextCp932(914));
    std::string slim = text;
    slim.replace(0, kMini.size(), kSlim);
    test::WriteWholeFile(dir.File("slim.dat"), slim);
    EXPECT_EQ(LoadMiniSettingsFile(dir.File("slim.dat"), back).error, res::TextCp932(914));
}

// The largest settings the detailed window lets through: browser messages of 183 backslashes
// (a backslash counts once against the limits but is doubled in the file), the longest lamp
// patterns and twelve distinct sound paths of 259 double-byte characters.
MiniSettings LargestSettings() {
    MiniSettings m;
    m.terminal.authCode = "9999";
    for (FunctionSet& set : m.sets) {
        for (GroupFunctions* group : {&set.docomo, &set.other}) {
            group->Select(BrowserRecord{"h", std::string(record_limits::kBrowserMessage, '\\')});
        }
    }
    for (auto& row : m.lamps.sets) {
        row.fill("8" + std::string(20, '7'));
    }
    m.lamps.guidance.fill("8" + std::string(20, '7'));
    for (std::size_t slot = 0; slot < m.soundPaths.size(); ++slot) {
        std::string path = "C:";
        for (int k = 0; k < 252; ++k) {
            path += Sjis("ソ");
        }
        m.soundPaths[slot] = path + static_cast<char>('a' + slot) + ".wav";
    }
    m.registerSounds = true;
    return m;
}

TEST(SettingsFile, TheLargestFileTheToolWritesLoadsAgain) {
    test::TempDir dir;
    MiniSettings largest = LargestSettings();
    ASSERT_TRUE(ValidateMiniSettings(largest).empty())
        << MessageLines(ValidateMiniSettings(largest));
    std::string message;
    ASSERT_TRUE(SaveMiniSettingsFile(dir.File("big.dat"), largest, message)) << message;
    std::uintmax_t size = fs::file_size(dir.File("big.dat"));
    // Far beyond 5120 bytes, and inside the guard.
    EXPECT_GT(size, 8000u);
    EXPECT_LE(size, kMiniFamilySettingsFileMaxSize);
    MiniSettings back;
    MiniReadResult read = LoadMiniSettingsFile(dir.File("big.dat"), back);
    ASSERT_FALSE(read.Failed()) << read.error;
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_EQ(back, largest);
}

TEST(SettingsFile, TheSizeGuardRefusesOnlyWhatIsPlainlyNoSettingsFile) {
    test::TempDir dir;
    std::string text = MiniSettingsFileText(MiniSettingsGen(5).Any());
    // Lines with unknown keys are ignored; fill the file up to the guard exactly.
    std::string filler = "note ";
    std::string atLimit =
        text + filler +
        std::string(kMiniFamilySettingsFileMaxSize - text.size() - filler.size() - 2, 'x') + "\r\n";
    ASSERT_EQ(atLimit.size(), kMiniFamilySettingsFileMaxSize);
    test::WriteWholeFile(dir.File("limit.dat"), atLimit);
    MiniSettings back;
    EXPECT_FALSE(LoadMiniSettingsFile(dir.File("limit.dat"), back).Failed());
    test::WriteWholeFile(dir.File("over.dat"), atLimit + "x");
    EXPECT_EQ(LoadMiniSettingsFile(dir.File("over.dat"), back).error, res::TextCp932(914));
}

TEST(SettingsFile, DamagedFilesGiveMessagesNeverCrashes) {
    MiniSettingsGen gen(6);
    std::string text = MiniSettingsFileText(gen.Any());
    int failed = 0;
    for (int n = 0; n < 600; ++n) {
        std::string damaged = text;
        switch (n % 4) {
            case 0:  // cut anywhere
                damaged.resize(static_cast<std::size_t>(
                    gen.Records().Uniform(0, static_cast<int>(text.size()))));
                break;
            case 1:  // a few random bytes
                for (int k = 0; k < 5; ++k) {
                    damaged[static_cast<std::size_t>(
                        gen.Records().Uniform(0, static_cast<int>(text.size()) - 1))] =
                        static_cast<char>(gen.Records().Uniform(0, 255));
                }
                break;
            case 2:  // a line end lost
                damaged.erase(damaged.find("\r\n", static_cast<std::size_t>(gen.Records().Uniform(
                                                       0, static_cast<int>(text.size()) - 3))),
                              2);
                break;
            default:  // a record whose lengths claim more than it holds
                damaged.replace(damaged.find("psB2 ") + 6, 2, "ff");
        }
        MiniSettings back;
        MiniReadResult read = LoadMiniSettingsText(damaged + "\r\n", back);
        if (read.Failed()) {
            ++failed;
            EXPECT_EQ(back, MiniSettings());
        }
    }
    EXPECT_GT(failed, 0);
}

TEST(SettingsFile, SavingReplacesAFileWholeOrNotAtAll) {
    test::TempDir dir;
    MiniSettingsGen gen(7);
    MiniSettings first = gen.Any();
    MiniSettings second = gen.Any();
    std::string message;
    const std::string path = dir.File("s.dat");
    ASSERT_TRUE(SaveMiniSettingsFile(path, first, message));
    ASSERT_TRUE(SaveMiniSettingsFile(path, second, message));
    EXPECT_EQ(test::ReadWholeFile(path), MiniSettingsFileText(second));

    // A save that cannot be completed leaves what was there and nothing else.
    fs::create_directory(dir.File("folder.dat"));
    test::WriteWholeFile(dir.File("folder.dat") + "/inside", "keep");
    EXPECT_FALSE(SaveMiniSettingsFile(dir.File("folder.dat"), first, message));
    EXPECT_EQ(message, res::TextCp932(907));
    EXPECT_EQ(test::ReadWholeFile(dir.File("folder.dat") + "/inside"), "keep");
    EXPECT_FALSE(SaveMiniSettingsFile(dir.File("no/such/folder.dat"), first, message));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u) << "only s.dat and folder.dat";
    EXPECT_EQ(test::ReadWholeFile(path), MiniSettingsFileText(second));
}

}  // namespace
}  // namespace morvik

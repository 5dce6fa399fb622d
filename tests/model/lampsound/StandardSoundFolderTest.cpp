// Where the standard sounds are found: beside the program (a build folder), else in the data
// folder of an installation, found from the program's own folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "model/SoundSlots.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

void CopyStandardSounds(const fs::path& to) {
    fs::create_directories(to);
    const fs::path from = fs::path(test::RequiredEnv("MORVIK_SOURCE_DIR")) / "wav";
    for (const char* name : {"mini_ok.wav", "mini_ng.wav", "kel_fin.wav"}) {
        fs::copy_file(from / name, to / name);
    }
}

TEST(StandardSoundFolder, InstalledDataFolderWhenNoneIsBesideTheProgram) {
    test::TempDir prefix;
    const fs::path bin = fs::path(prefix.path()) / "bin";
    fs::create_directories(bin);

    // Nowhere: the path beside the program is named, and the plan fails on it.
    EXPECT_EQ(StandardMiniSoundPaths(bin)[0], (bin / "wav" / "mini_ok.wav").string());
    EXPECT_NE(MiniQuickSoundPlan(SoundChoice::Standard, bin).status, SoundStatus::Ok);

    const fs::path installed = fs::path(prefix.path()) / "share" / "morvik-tool" / "wav";
    CopyStandardSounds(installed);
    const auto paths = StandardMiniSoundPaths(bin);
    EXPECT_EQ(paths[0], (installed / "mini_ok.wav").string());
    EXPECT_EQ(paths[6], (installed / "kel_fin.wav").string());
    EXPECT_EQ(StandardMiniSxSoundPaths(bin)[1], (installed / "mini_ng.wav").string());
    const QuickSoundPlan plan = MiniQuickSoundPlan(SoundChoice::Standard, bin);
    EXPECT_EQ(plan.status, SoundStatus::Ok);
    EXPECT_EQ(plan.image.entries, 3);

    // A wav folder beside the program wins over the installed one.
    CopyStandardSounds(bin / "wav");
    EXPECT_EQ(StandardMiniSoundPaths(bin)[0], (bin / "wav" / "mini_ok.wav").string());
}

}  // namespace
}  // namespace morvik

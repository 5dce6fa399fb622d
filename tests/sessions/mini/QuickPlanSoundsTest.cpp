// What stops the easy and service windows' plans of every Mini-family edition when the standard
// sounds cannot be uploaded: the same message as a detailed write for the same fault.

#include <gtest/gtest.h>

#include <filesystem>

#include "model/SoundImage.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniSxQuickWrite.h"
#include "support/SimProcess.h"
#include "support/Wave.h"

namespace morvik {
namespace {

TEST(MiniFamilyQuickPlan, StandardSoundsTooLargeForTheTerminalSayWhy) {
    test::TempDir program;
    const std::filesystem::path wav = std::filesystem::path(program.path()) / "wav";
    std::filesystem::create_directories(wav);
    // Three valid files of 100,000 samples each: every one is usable, together they do not fit.
    for (int nameId :
         {res::ids::kStandardSoundOk, res::ids::kStandardSoundNg, res::ids::kStandardSoundKelFin}) {
        test::WriteWave((wav / res::Text(nameId)).string(), 100000);
    }
    const MiniQuickSettings quick{QuickWindow::Easy, "http://a/", "", SoundChoice::Standard,
                                  LampPreset::Unchanged};
    for (const MiniQuickPlan& plan :
         {BuildMiniQuickPlan(quick, program.path()), BuildMiniSxQuickPlan(quick, program.path())}) {
        EXPECT_EQ(plan.problem, SoundSizeLimitMessage());
        EXPECT_TRUE(plan.values.empty());
        EXPECT_FALSE(plan.ndef.has_value());
    }
}

}  // namespace
}  // namespace morvik

// The boxes OK of the sound dialog shows, in order, with real wave files on disk.

#include <gtest/gtest.h>

#include <array>

#include "model/SoundDialogCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/mini/MiniTestData.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/Wave.h"

namespace morvik {
namespace {

using Kind = SoundDialogStep::Kind;
using Paths = std::array<std::string, 12>;

// "kind:text id" of each step, for comparing whole sequences.
std::vector<std::string> Summary(const std::vector<SoundDialogStep>& steps) {
    std::vector<std::string> out;
    for (const SoundDialogStep& step : steps) {
        const char* kind = step.kind == Kind::Error      ? "error"
                           : step.kind == Kind::Question ? "question"
                                                         : "info";
        out.push_back(std::string(kind) + ":" + std::to_string(step.textId) + "/" +
                      std::to_string(step.captionId));
    }
    return out;
}

class SoundDialogCheck : public ::testing::Test {
  protected:
    // A valid wave file of exactly size bytes; seed makes two files of one size differ.
    std::string Wav(const std::string& name, std::size_t size, std::uint8_t seed = 0) {
        const std::string path = dir_.File(name);
        test::WriteWave(path, size - 44, seed);
        return path;
    }
    test::TempDir dir_;
};

// The dialog's tests cover the questions and the 339 refusal; here the edges of the rules.
TEST_F(SoundDialogCheck, ExactlyTheTerminalsRoomPasses) {
    Paths paths{};
    paths[0] = Wav("a.wav", 130000, 1);
    paths[6] = Wav("b.wav", 258048 - 130000, 2);
    EXPECT_FALSE(SoundDialogRefused(SoundDialogOkSteps(paths, true)));
    paths[6] = Wav("b.wav", 258048 - 130000 + 1, 2);
    const auto steps = SoundDialogOkSteps(paths, true);
    ASSERT_EQ(Summary(steps), std::vector<std::string>{"error:339/900"});
    EXPECT_EQ(steps[0].text, res::Format(res::TextCp932(res::ids::kSoundTotalTooLarge), 252));
}

TEST_F(SoundDialogCheck, AnUnusableFileIsReportedBeforeTheSize) {
    Paths paths{};
    paths[0] = Wav("a.wav", 130000, 1);
    paths[1] = Wav("b.wav", 130000, 2);
    paths[11] = dir_.File("missing.wav");
    EXPECT_EQ(Summary(SoundDialogOkSteps(paths, false)), std::vector<std::string>{"error:116/900"});
    std::string stereo = test::WavBytes(test::WavOfSize(144, 0));
    stereo[22] = 2;
    test::WriteWholeFile(paths[11], stereo);
    EXPECT_EQ(Summary(SoundDialogOkSteps(paths, false)), std::vector<std::string>{"error:116/900"});
}

TEST_F(SoundDialogCheck, NothingEnteredAndNothingToRegisterAsksNothing) {
    EXPECT_TRUE(SoundDialogOkSteps(Paths{}, false).empty());
    EXPECT_EQ(Summary(SoundDialogOkSteps(Paths{}, true)),
              (std::vector<std::string>{"question:118/119", "info:286/119"}));
}

}  // namespace
}  // namespace morvik

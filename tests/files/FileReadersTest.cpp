// Every reader of a file the operator names refuses anything but a regular file at once, with
// the open-failure text, and never blocks: a FIFO without a writer, a folder, an endless device,
// and a symbolic link to any of them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/DetectionLogCsvReader.h"
#include "files/FirmwareImage.h"
#include "files/SettingsFile.h"
#include "files/TorucaFile.h"
#include "model/SoundImage.h"
#include "model/WavCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "support/SimProcess.h"
#include "support/Wave.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

class FileReaders : public ::testing::Test {
  protected:
    // The targets that are there but are no regular file.
    std::vector<std::string> NotRegularFiles() {
        const std::string fifo = dir_.File("fifo");
        EXPECT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
        fs::create_directory(dir_.File("folder"));
        fs::create_symlink(fifo, dir_.File("link-to-fifo"));
        return {fifo, dir_.File("folder"), "/dev/zero", dir_.File("link-to-fifo")};
    }

    test::TempDir dir_;
};

TEST_F(FileReaders, EveryReaderRefusesWhatIsNoRegularFileWithTheOpenFailureText) {
    const std::string openFailed = res::TextCp932(res::ids::kFileOpenFailed);
    for (const std::string& path : NotRegularFiles()) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ReadSettingsFileText(path, kMiniFamilySettingsFileMaxSize).message, openFailed);
        EXPECT_EQ(ReadTorucaFile(path).message, openFailed);
        EXPECT_EQ(CheckFirmwareImage(fs::path(path), true).outcome, openFailed);
        EXPECT_EQ(CheckWavFile(path).status, WavStatus::CannotOpen);
        const std::vector<std::string> slots{path};
        EXPECT_EQ(TotalSoundSize(slots).status, SoundStatus::CannotOpen);
        EXPECT_EQ(PackSounds(slots).status, SoundStatus::CannotOpen);
        const DetectionLogCsvContent log = ReadDetectionLogCsv(path);
        ASSERT_TRUE(log.error.has_value());
        EXPECT_EQ(log.error->problem, DetectionLogCsvError::Problem::kCannotOpen);
    }
}

TEST_F(FileReaders, ALinkToARegularFileIsReadAsTheFile) {
    const std::string wave = test::WriteWave(dir_.File("ok.wav"), 100);
    fs::create_symlink(wave, dir_.File("link.wav"));
    EXPECT_EQ(CheckWavFile(dir_.File("link.wav")).status, WavStatus::Accepted);
    const std::vector<std::string> slots{dir_.File("link.wav")};
    EXPECT_EQ(TotalSoundSize(slots).total, 144u);
    EXPECT_EQ(PackSounds(slots).status, SoundStatus::Ok);
}

}  // namespace
}  // namespace morvik

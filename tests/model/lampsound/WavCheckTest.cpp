#include <gtest/gtest.h>

#include <filesystem>

#include "model/WavCheck.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/Wave.h"

namespace morvik {
namespace {

using test::TempDir;
using test::WavSpec;

constexpr const char* k8k = "-r 8000 -c 1 -b 8 -e unsigned-integer";
constexpr const char* k16k = "-r 16000 -c 1 -b 8 -e unsigned-integer";

WavInfo CheckBytes(const TempDir& dir, const std::string& bytes) {
    const std::string path = dir.File("made.wav");
    test::WriteWholeFile(path, bytes);
    return CheckWavFile(path);
}

TEST(WavCheck, TakesSoxMade8BitMonoAt8And16Kilohertz) {
    TempDir dir;
    ASSERT_TRUE(test::SoxTone(dir.File("low.wav"), k8k));
    ASSERT_TRUE(test::SoxTone(dir.File("high.wav"), k16k));
    const WavInfo low = CheckWavFile(dir.File("low.wav"));
    EXPECT_EQ(low.status, WavStatus::Accepted);
    EXPECT_EQ(low.headerLength, 44u);
    EXPECT_FALSE(low.sixteenKilohertz);
    EXPECT_EQ(low.fileSize, std::filesystem::file_size(dir.File("low.wav")));
    const WavInfo high = CheckWavFile(dir.File("high.wav"));
    EXPECT_EQ(high.status, WavStatus::Accepted);
    EXPECT_TRUE(high.sixteenKilohertz);
}

TEST(WavCheck, RefusesSoxMadeFilesOfOtherFormats) {
    TempDir dir;
    const char* formats[] = {
        "-r 8000 -c 1 -b 16 -e signed-integer",    // 16-bit
        "-r 8000 -c 2 -b 8 -e unsigned-integer",   // stereo
        "-r 22050 -c 1 -b 8 -e unsigned-integer",  // 22050 Hz
        "-r 11025 -c 1 -b 8 -e unsigned-integer",
        "-r 8000 -c 1 -b 8 -e u-law",  // not PCM
    };
    for (const char* format : formats) {
        const std::string path = dir.File("other.wav");
        ASSERT_TRUE(test::SoxTone(path, format)) << format;
        EXPECT_EQ(CheckWavFile(path).status, WavStatus::Invalid) << format;
    }
}

TEST(WavCheck, RiffSizeMustMatchTheFile) {
    TempDir dir;
    WavSpec shape;
    shape.samples.assign(100, 0x80);
    std::string bytes = test::WavBytes(shape);
    EXPECT_EQ(CheckBytes(dir, bytes).status, WavStatus::Accepted);
    for (int delta : {-1, 1}) {
        std::string wrong = bytes;
        wrong[4] = static_cast<char>(static_cast<unsigned char>(wrong[4]) + delta);
        EXPECT_EQ(CheckBytes(dir, wrong).status, WavStatus::Invalid) << delta;
    }
    // A byte appended (or lost) at the end is noticed the same way.
    EXPECT_EQ(CheckBytes(dir, bytes + '\x80').status, WavStatus::Invalid);
}

TEST(WavCheck, TruncatedOrDamagedFilesAreRefusedNeverRead) {
    TempDir dir;
    WavSpec shape;
    shape.samples.assign(64, 0x90);
    const std::string bytes = test::WavBytes(shape);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        std::string cut = bytes.substr(0, length);
        EXPECT_EQ(CheckBytes(dir, cut).status, WavStatus::Invalid) << length;
        // Even with the RIFF size mended to the cut length, a file that ends inside its header
        // is refused: packing would take a negative sample length.
        if (length >= 8) {
            const std::uint32_t riff = static_cast<std::uint32_t>(length - 8);
            for (int i = 0; i < 4; ++i) {
                cut[4 + static_cast<std::size_t>(i)] = static_cast<char>((riff >> (8 * i)) & 0xFF);
            }
            const WavStatus expected = length >= 44 ? WavStatus::Accepted : WavStatus::Invalid;
            EXPECT_EQ(CheckBytes(dir, cut).status, expected) << length;
        }
    }
    EXPECT_EQ(CheckWavHeader(std::string(62, '\xFF'), 62).status, WavStatus::Invalid);
}

TEST(WavCheck, ChunkLayouts) {
    TempDir dir;
    WavSpec shape;
    shape.samples.assign(10, 0x80);
    shape.fact = true;
    WavInfo info = CheckBytes(dir, test::WavBytes(shape));
    EXPECT_EQ(info.status, WavStatus::Accepted);
    EXPECT_EQ(info.headerLength, 44u);  // the fact chunk is not skipped

    shape.fact = false;
    shape.fmtSize = 18;
    shape.rate = 16000;
    info = CheckBytes(dir, test::WavBytes(shape));
    EXPECT_EQ(info.status, WavStatus::Accepted);
    EXPECT_EQ(info.headerLength, 46u);
    EXPECT_TRUE(info.sixteenKilohertz);

    shape.fact = true;
    EXPECT_EQ(CheckBytes(dir, test::WavBytes(shape)).status, WavStatus::Accepted);

    // A "LIST" chunk in front of the data is not a layout the terminal reads.
    shape.fmtSize = 16;
    shape.fact = false;
    std::string bytes = test::WavBytes(shape);
    bytes.replace(36, 4, "LIST");
    EXPECT_EQ(CheckBytes(dir, bytes).status, WavStatus::Invalid);

    // Byte rate and block alignment must agree with 8-bit mono.
    bytes = test::WavBytes(shape);
    bytes[28] = static_cast<char>(bytes[28] + 1);
    EXPECT_EQ(CheckBytes(dir, bytes).status, WavStatus::Invalid);
    bytes = test::WavBytes(shape);
    bytes[32] = 2;
    EXPECT_EQ(CheckBytes(dir, bytes).status, WavStatus::Invalid);
}

TEST(WavCheck, MissingAndUnreadableFiles) {
    TempDir dir;
    EXPECT_EQ(CheckWavFile(dir.File("none.wav")).status, WavStatus::NotFound);
    EXPECT_EQ(CheckWavFile(dir.path()).status, WavStatus::CannotOpen);
}

}  // namespace
}  // namespace morvik

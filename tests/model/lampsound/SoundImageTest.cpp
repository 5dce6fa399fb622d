#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "model/Cp932.h"
#include "model/SoundImage.h"
#include "model/SoundSlots.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/Wave.h"

namespace morvik {
namespace {

using test::TempDir;
using test::WavSpec;

// Reads an image back the way the terminal does, independently of the packer, and checks every
// byte of it against the files it was made from (in directory order).
struct ImageReader {
    const std::vector<std::uint8_t>& image;

    std::uint32_t Le32(std::size_t at) const {
        return image[at] | image[at + 1] << 8 | image[at + 2] << 16 |
               static_cast<std::uint32_t>(image[at + 3]) << 24;
    }

    void Check(const std::vector<std::string>& files) const {
        ASSERT_GE(image.size(), 4096u);
        const std::size_t n = image[3];
        ASSERT_EQ(n, files.size());
        EXPECT_EQ(image[0], 0xFF);
        const std::uint32_t total = Le32(4);
        ASSERT_EQ(image.size(), 4096u + total);
        for (std::size_t i = 8; i < 16; ++i) {
            EXPECT_EQ(image[i], 0xFF) << i;
        }
        unsigned headerSum = 0;
        for (std::size_t i = 2; i < (n + 1) * 16; ++i) {
            headerSum += image[i];
        }
        EXPECT_EQ(image[1], headerSum & 0xFF) << "header checksum";
        unsigned dataSum = 0;
        for (std::size_t i = 4096; i < image.size(); ++i) {
            dataSum += image[i];
        }
        EXPECT_EQ(image[2], dataSum & 0xFF) << "sample sum";
        for (std::size_t i = 16 + 16 * n; i < 4096; ++i) {
            ASSERT_EQ(image[i], 0xFF) << "blank directory and header at " << i;
        }

        std::size_t expectedOffset = 4096;
        for (std::size_t k = 0; k < n; ++k) {
            const std::string& file = files[k];
            const std::size_t entry = 16 + 16 * k;
            const std::uint32_t fileOffset = Le32(entry);
            const std::uint32_t sampleOffset = Le32(entry + 4);
            const std::uint32_t sampleLength = Le32(entry + 8);
            // The file's own fmt chunk size tells where its samples start.
            const std::uint32_t fmtSize = static_cast<unsigned char>(file[16]);
            const std::size_t headerLength = fmtSize == 18 ? 46 : 44;
            const std::uint32_t rate =
                static_cast<unsigned char>(file[24]) | static_cast<unsigned char>(file[25]) << 8;
            EXPECT_EQ(fileOffset, expectedOffset) << k;
            EXPECT_EQ(sampleOffset, fileOffset + headerLength) << k;
            EXPECT_EQ(sampleLength, file.size() - headerLength) << k;
            EXPECT_EQ(image[entry + 12], rate == 16000 ? 1 : 0) << k;
            EXPECT_EQ(image[entry + 13], 0xFF);
            EXPECT_EQ(image[entry + 14], 0xFF);
            EXPECT_EQ(image[entry + 15], 0xFF);
            ASSERT_LE(fileOffset + file.size(), image.size());
            for (std::size_t i = 0; i < file.size(); ++i) {
                const unsigned original = static_cast<unsigned char>(file[i]);
                const unsigned expected = i < headerLength ? original : original * 230 / 256;
                ASSERT_EQ(image[fileOffset + i], expected) << "entry " << k << " byte " << i;
            }
            expectedOffset += file.size();
        }
        EXPECT_EQ(expectedOffset, image.size());
    }
};

std::vector<std::string> Slots(std::initializer_list<std::string> paths) {
    std::vector<std::string> slots(paths);
    slots.resize(kMiniSoundSlots);
    return slots;
}

TEST(SoundImage, DistinctSoxFilesPackWithTheirFlagsAndKeys) {
    TempDir dir;
    const std::string low = dir.File("low.wav");
    const std::string high = dir.File("high.wav");
    ASSERT_TRUE(test::SoxTone(low, "-r 8000 -c 1 -b 8 -e unsigned-integer", 0.1));
    ASSERT_TRUE(test::SoxTone(high, "-r 16000 -c 1 -b 8 -e unsigned-integer", 0.07));
    std::vector<std::string> slots(kMiniSoundSlots);
    slots[0] = low;
    slots[6] = high;
    const SoundPackResult packed = PackSounds(slots);
    ASSERT_EQ(packed.status, SoundStatus::Ok);
    EXPECT_EQ(packed.image.entries, 2);
    ImageReader{packed.image.bytes}.Check({test::ReadWholeFile(low), test::ReadWholeFile(high)});
    const std::vector<int> keys = SoundKeyValues(slots, packed.image.packedPaths);
    EXPECT_EQ(keys, (std::vector<int>{0, 255, 255, 255, 255, 255, 1, 255, 255, 255, 255, 255}));
}

TEST(SoundImage, DuplicatesAreStoredOnce) {
    TempDir dir;
    const std::string a = dir.File("a.wav");
    const std::string b = dir.File("b.wav");
    const std::string c = dir.File("c.wav");
    test::WriteWholeFile(a, test::WavBytes(test::WavOfSize(300, 1)));
    test::WriteWholeFile(b, test::WavBytes(test::WavOfSize(301, 2)));
    WavSpec fmt18 = test::WavOfSize(302, 3);
    fmt18.fmtSize = 18;
    fmt18.rate = 16000;
    test::WriteWholeFile(c, test::WavBytes(fmt18));

    const std::vector<std::string> same(kMiniSoundSlots, a);
    SoundPackResult packed = PackSounds(same);
    ASSERT_EQ(packed.status, SoundStatus::Ok);
    ImageReader{packed.image.bytes}.Check({test::ReadWholeFile(a)});
    EXPECT_EQ(SoundKeyValues(same, packed.image.packedPaths), std::vector<int>(12, 0));

    const auto slots = Slots({b, a, "", b, c, a, "", "", c, "", b, ""});
    packed = PackSounds(slots);
    ASSERT_EQ(packed.status, SoundStatus::Ok);
    ImageReader{packed.image.bytes}.Check(
        {test::ReadWholeFile(b), test::ReadWholeFile(a), test::ReadWholeFile(c)});
    EXPECT_EQ(SoundKeyValues(slots, packed.image.packedPaths),
              (std::vector<int>{0, 1, 255, 0, 2, 1, 255, 255, 2, 255, 0, 255}));
}

TEST(SoundImage, OnlySamplesAreScaled) {
    TempDir dir;
    WavSpec shape;
    shape.samples = {200, 128, 0, 255, 1};
    const std::string path = dir.File("s.wav");
    test::WriteWholeFile(path, test::WavBytes(shape));
    const SoundPackResult packed = PackSounds(Slots({path}));
    ASSERT_EQ(packed.status, SoundStatus::Ok);
    const auto& image = packed.image.bytes;
    ASSERT_EQ(image.size(), 4096u + 49u);
    EXPECT_EQ(image[4096 + 44], 179);
    EXPECT_EQ(image[4096 + 45], 115);
    EXPECT_EQ(image[4096 + 46], 0);
    EXPECT_EQ(image[4096 + 47], 229);
    EXPECT_EQ(image[4096 + 48], 0);
    // Header bytes keep their values: the sample rate 8000 is 0x40 0x1F.
    EXPECT_EQ(image[4096 + 24], 0x40);
    EXPECT_EQ(image[4096 + 25], 0x1F);
    EXPECT_EQ(std::string(image.begin() + 4096, image.begin() + 4100), "RIFF");
}

TEST(SoundImage, NoSoundsGiveAnEmptyDirectory) {
    const SoundPackResult packed = PackSounds(std::vector<std::string>(kMiniSoundSlots));
    ASSERT_EQ(packed.status, SoundStatus::Ok);
    EXPECT_EQ(packed.image.entries, 0);
    ImageReader{packed.image.bytes}.Check({});
    EXPECT_EQ(SoundKeyValues(std::vector<std::string>(12), packed.image.packedPaths),
              std::vector<int>(12, 255));
}

TEST(SoundImage, BadFilesStopPackingWithNothingBuilt) {
    TempDir dir;
    const std::string good = dir.File("good.wav");
    test::WriteWholeFile(good, test::WavBytes(test::WavOfSize(100)));
    const std::string stereo = dir.File("stereo.wav");
    WavSpec shape = test::WavOfSize(100);
    shape.channels = 2;
    test::WriteWholeFile(stereo, test::WavBytes(shape));

    SoundPackResult packed = PackSounds(Slots({good, dir.File("missing.wav")}));
    EXPECT_EQ(packed.status, SoundStatus::NotFound);
    EXPECT_EQ(packed.failedPath, dir.File("missing.wav"));
    EXPECT_EQ(packed.image.entries, 0);
    EXPECT_TRUE(packed.image.bytes.empty());

    packed = PackSounds(Slots({good, "", stereo}));
    EXPECT_EQ(packed.status, SoundStatus::Invalid);
    EXPECT_EQ(packed.failedPath, stereo);
    EXPECT_TRUE(packed.image.bytes.empty());

    EXPECT_EQ(CheckSoundFile(good), SoundStatus::Ok);
    EXPECT_EQ(CheckSoundFile(stereo), SoundStatus::Invalid);
    EXPECT_EQ(CheckSoundFile(dir.File("missing.wav")), SoundStatus::NotFound);
    EXPECT_EQ(TotalSoundSize(Slots({good, dir.File("missing.wav")})).status, SoundStatus::NotFound);
}

TEST(SoundImage, SizeLimitCountsEachFileOnce) {
    TempDir dir;
    // Twelve distinct files filling the terminal's sound memory to the last byte.
    std::vector<std::string> slots;
    for (std::size_t i = 0; i < kMiniSoundSlots; ++i) {
        // Built with append: GCC 12 at -O3 misreads "f" + std::to_string(i) (-Wrestrict).
        slots.push_back(dir.File(std::string("f").append(std::to_string(i)).append(".wav")));
        test::WriteWholeFile(
            slots.back(),
            test::WavBytes(test::WavOfSize(kSoundDataLimit / 12, static_cast<std::uint8_t>(i))));
    }
    SoundSizeResult size = TotalSoundSize(slots);
    ASSERT_EQ(size.status, SoundStatus::Ok);
    EXPECT_EQ(size.total, kSoundDataLimit);
    EXPECT_TRUE(FitsSoundMemory(size.total));
    SoundPackResult packed = PackSounds(slots);
    ASSERT_EQ(packed.status, SoundStatus::Ok);
    EXPECT_EQ(packed.image.bytes.size(), kSoundImageCapacity);
    std::vector<std::string> files;
    for (const std::string& path : slots) {
        files.push_back(test::ReadWholeFile(path));
    }
    ImageReader{packed.image.bytes}.Check(files);

    // One byte more is refused, by the size check and by packing itself.
    test::WriteWholeFile(slots[11], test::WavBytes(test::WavOfSize(kSoundDataLimit / 12 + 1, 11)));
    size = TotalSoundSize(slots);
    EXPECT_EQ(size.total, kSoundDataLimit + 1);
    EXPECT_FALSE(FitsSoundMemory(size.total));
    packed = PackSounds(slots);
    EXPECT_EQ(packed.status, SoundStatus::TooLarge);
    EXPECT_TRUE(packed.image.bytes.empty());

    // The same 200 000-byte file in every slot passes; two different 130 000-byte files do not.
    const std::string big = dir.File("big.wav");
    test::WriteWholeFile(big, test::WavBytes(test::WavOfSize(200000)));
    EXPECT_TRUE(FitsSoundMemory(TotalSoundSize(std::vector<std::string>(12, big)).total));
    const std::string x = dir.File("x.wav");
    const std::string y = dir.File("y.wav");
    test::WriteWholeFile(x, test::WavBytes(test::WavOfSize(130000, 1)));
    test::WriteWholeFile(y, test::WavBytes(test::WavOfSize(130000, 2)));
    EXPECT_FALSE(FitsSoundMemory(TotalSoundSize(Slots({x, y})).total));
    EXPECT_EQ(Cp932ToUtf8(SoundSizeLimitMessage()),
              "音声ファイルの合計サイズが限界を超えています。252キロバイトまでです。");
}

TEST(SoundImage, PathsAreCodePage932) {
    TempDir dir;
    const std::filesystem::path folder = std::filesystem::path(dir.path()) / "音声ファイル";
    std::filesystem::create_directory(folder);
    const std::string file = (folder / "成功音.wav").string();
    test::WriteWholeFile(file, test::WavBytes(test::WavOfSize(120)));
    const std::string cp932 = Utf8ToCp932Lossy(file);
    ASSERT_NE(cp932, file);
    const SoundPackResult packed = PackSounds(Slots({cp932}));
    ASSERT_EQ(packed.status, SoundStatus::Ok);
    EXPECT_EQ(packed.image.packedPaths, std::vector<std::string>{cp932});
}

// The folder holding "wav": the source tree when the test runner says where it is, otherwise
// the build folder, where the build copies the standard files beside the programs.
std::filesystem::path SourceDir() {
    if (const char* dir = std::getenv("MORVIK_SOURCE_DIR")) {
        return dir;
    }
    return ProgramFolder().parent_path();
}

TEST(StandardSounds, ShippedFilesPackInTheirFixedOrder) {
    const auto paths = StandardMiniSoundPaths(SourceDir());
    for (const std::string& path : paths) {
        if (!path.empty()) {
            ASSERT_EQ(CheckSoundFile(path), SoundStatus::Ok) << path;
        }
    }
    EXPECT_TRUE(paths[2].empty() && paths[5].empty() && paths[8].empty() && paths[11].empty());
    const QuickSoundPlan plan = MiniQuickSoundPlan(SoundChoice::Standard, SourceDir());
    ASSERT_EQ(plan.status, SoundStatus::Ok);
    ASSERT_TRUE(plan.upload);
    EXPECT_EQ(plan.image.entries, 3);
    const std::filesystem::path wav = SourceDir() / "wav";
    ImageReader{plan.image.bytes}.Check({test::ReadWholeFile(wav / "mini_ok.wav"),
                                         test::ReadWholeFile(wav / "mini_ng.wav"),
                                         test::ReadWholeFile(wav / "kel_fin.wav")});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"sov1", "0"},   {"snv1", "1"},   {"spv1", "255"}, {"sob1", "0"},
        {"snb1", "1"},   {"spb1", "255"}, {"sov2", "2"},   {"snv2", "1"},
        {"spv2", "255"}, {"sob2", "0"},   {"snb2", "1"},   {"spb2", "255"}};
    EXPECT_EQ(plan.keys, expected);
}

TEST(StandardSounds, MiniSxSixSlots) {
    const QuickSoundPlan plan = MiniSxQuickSoundPlan(SoundChoice::Standard, SourceDir());
    ASSERT_EQ(plan.status, SoundStatus::Ok);
    EXPECT_EQ(plan.image.entries, 3);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"sov1", "0"}, {"snv1", "1"}, {"sob1", "0"}, {"snb1", "1"}, {"sov2", "2"}, {"sob2", "0"}};
    EXPECT_EQ(plan.keys, expected);
}

TEST(StandardSounds, OtherChoices) {
    QuickSoundPlan plan = MiniQuickSoundPlan(SoundChoice::Silent, SourceDir());
    EXPECT_FALSE(plan.upload);
    ASSERT_EQ(plan.keys.size(), 12u);
    EXPECT_EQ(plan.keys[11], (std::pair<std::string, std::string>{"spb2", "255"}));
    plan = MiniQuickSoundPlan(SoundChoice::Unchanged, SourceDir());
    EXPECT_FALSE(plan.upload);
    EXPECT_TRUE(plan.keys.empty());
    EXPECT_EQ(MiniSxQuickSoundPlan(SoundChoice::Silent, SourceDir()).keys.size(), 6u);
    // Standard files that are not where they belong stop the write before anything is sent.
    TempDir empty;
    plan = MiniQuickSoundPlan(SoundChoice::Standard, empty.path());
    EXPECT_EQ(plan.status, SoundStatus::NotFound);
    EXPECT_FALSE(plan.upload);
    EXPECT_TRUE(plan.keys.empty());
    EXPECT_EQ(SoundChoiceAt(1), SoundChoice::Standard);
    EXPECT_EQ(SoundChoiceAt(3), SoundChoice::Unchanged);
}

}  // namespace
}  // namespace morvik

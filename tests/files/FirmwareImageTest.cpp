#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "files/FirmwareImage.h"
#include "model/Cp932.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// The data checksum, written from the image layout: file bytes 128-383 and 512 up to the end of
// a maximum-size image.
std::uint8_t DataSum(const Bytes& image) {
    unsigned sum = 0;
    for (std::size_t i = 128; i < image.size() && i < 384; ++i) {
        sum += image[i];
    }
    for (std::size_t i = 512; i < image.size() && i < 128 + 0xF800; ++i) {
        sum += image[i];
    }
    return static_cast<std::uint8_t>(sum);
}

void Seal(Bytes& image) {
    const auto length = static_cast<std::uint32_t>(image.size() - 128);
    for (int i = 0; i < 4; ++i) {
        image[16 + i] = static_cast<std::uint8_t>(length >> (8 * i));
    }
    image[20] = DataSum(image);
    unsigned sum = 0;
    for (std::size_t i = 0; i < 128; ++i) {
        if (i != 124) {
            sum += image[i];
        }
    }
    image[124] = static_cast<std::uint8_t>(sum);
}

Bytes Image(const std::string& model, std::size_t dataLength, const std::string& version = "2.05",
            unsigned seed = 1) {
    Bytes image(128 + dataLength);
    std::mt19937 rng(seed);
    for (std::size_t i = 128; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(rng());
    }
    // Uninterpreted header areas hold something, to show they are ignored.
    image[3] = 0x55;
    image[40] = 0xAA;
    image[110] = 0x11;
    std::memcpy(image.data() + 64, version.data(), std::min<std::size_t>(version.size(), 16));
    std::memcpy(image.data() + 80, model.data(), std::min<std::size_t>(model.size(), 7));
    Seal(image);
    return image;
}

FirmwareImageCheck Check(const Bytes& image, bool mini) {
    const FirmwareImageCheck inMemory = CheckFirmwareImage(image, mini);
    test::TempDir folder;
    const fs::path path = folder.File("image.x");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    const FirmwareImageCheck fromFile = CheckFirmwareImage(path, mini);
    EXPECT_EQ(fromFile.valid, inMemory.valid);
    EXPECT_EQ(fromFile.outcome, inMemory.outcome);
    return fromFile;
}

const std::string kInvalid = Utf8ToCp932Lossy("不正なファームウェアファイルです。");

TEST(FirmwareImage, ValidImagesGiveTheirVersion) {
    const FirmwareImageCheck mini = Check(Image("ZRT450", 1000, "1.23"), true);
    EXPECT_TRUE(mini.valid);
    EXPECT_EQ(mini.version, "1.23");
    EXPECT_EQ(mini.dataLength, 1000);
    EXPECT_EQ(mini.outcome, Utf8ToCp932Lossy("バージョン :  1.23"));
    EXPECT_TRUE(Check(Image("ZRT410", 1000), false).valid);
    EXPECT_TRUE(Check(Image("ZRT410N", 1000), false).valid);
    // A version that fills its 16 bytes ends there.
    const FirmwareImageCheck full = Check(Image("ZRT450", 10, "0123456789abcdef"), true);
    EXPECT_TRUE(full.valid);
    EXPECT_EQ(full.version, "0123456789abcdef");
}

TEST(FirmwareImage, ModelNamePerEdition) {
    EXPECT_FALSE(Check(Image("ZRT410", 500), true).valid);
    EXPECT_FALSE(Check(Image("ZRT410N", 500), true).valid);
    EXPECT_FALSE(Check(Image("ZRT450", 500), false).valid);
    EXPECT_FALSE(Check(Image("ZRT450S", 500), true).valid);
    EXPECT_FALSE(Check(Image("ZRT410X", 500), false).valid);
    EXPECT_FALSE(Check(Image(std::string("ZRT45\0", 6), 500), true).valid);
    // Slim images keep header bytes 96-103 zero; the Mini family does not care.
    for (std::size_t offset : {96u, 100u, 103u}) {
        Bytes slim = Image("ZRT410N", 500);
        slim[offset] = 1;
        Seal(slim);
        EXPECT_FALSE(Check(slim, false).valid) << offset;
        Bytes mini = Image("ZRT450", 500);
        mini[offset] = 1;
        Seal(mini);
        EXPECT_TRUE(Check(mini, true).valid) << offset;
    }
    Bytes slim = Image("ZRT410", 500);
    slim[104] = 1;
    Seal(slim);
    EXPECT_TRUE(Check(slim, false).valid);
}

TEST(FirmwareImage, Sizes) {
    Bytes header = Image("ZRT450", 1);
    header.resize(128);
    const FirmwareImageCheck exact = Check(header, true);
    EXPECT_FALSE(exact.valid);
    EXPECT_EQ(exact.outcome, kInvalid);
    EXPECT_TRUE(Check(Image("ZRT450", 1), true).valid);
    EXPECT_TRUE(Check(Image("ZRT450", 0xF800), true).valid);
    EXPECT_FALSE(Check(Image("ZRT450", 0xF801), true).valid);
    EXPECT_FALSE(Check(Bytes(), true).valid);
}

TEST(FirmwareImage, Checksums) {
    const Bytes good = Image("ZRT450", 2000);
    ASSERT_TRUE(Check(good, true).valid);
    // The length field must match the file.
    Bytes wrongLength = good;
    wrongLength[16] ^= 1;
    wrongLength[124] = static_cast<std::uint8_t>(wrongLength[124] + (wrongLength[16] - good[16]));
    EXPECT_FALSE(Check(wrongLength, true).valid);
    // Header checksum: any counted byte changed breaks it.
    for (std::size_t offset : {0u, 20u, 64u, 123u, 125u, 127u}) {
        Bytes bad = good;
        bad[offset] ^= 0x40;
        EXPECT_FALSE(Check(bad, true).valid) << offset;
    }
    // Data checksum: bytes 384-511 do not count, those before and after do.
    for (std::size_t offset : {384u, 400u, 511u}) {
        Bytes ignored = good;
        ignored[offset] ^= 0x5A;
        EXPECT_TRUE(Check(ignored, true).valid) << offset;
    }
    for (std::size_t offset : {128u, 200u, 383u, 512u, 600u, 2127u}) {
        Bytes bad = good;
        bad[offset] ^= 0x5A;
        EXPECT_FALSE(Check(bad, true).valid) << offset;
    }
    // The example sum: header bytes 0x01, 0x02 and zeros sum to 0x03.
    Bytes small(129, 0);
    std::memcpy(small.data() + 80, "ZRT450", 6);
    Seal(small);
    EXPECT_TRUE(Check(small, true).valid);
}

TEST(FirmwareImage, FilesThatCannotBeRead) {
    test::TempDir folder;
    const std::string openFailed = Utf8ToCp932Lossy("ファイルのオープンに失敗しました。");
    const FirmwareImageCheck missing = CheckFirmwareImage(folder.File("none.x"), true);
    EXPECT_FALSE(missing.valid);
    EXPECT_EQ(missing.outcome, openFailed);
    fs::create_directory(folder.File("dir.x"));
    EXPECT_EQ(CheckFirmwareImage(folder.File("dir.x"), true).outcome, openFailed);
}

// Truncated images and garbage of every size are refused without a crash (the sanitizer build
// watches the reads).
TEST(FirmwareImage, TruncatedAndGarbage) {
    const Bytes good = Image("ZRT410N", 700);
    for (std::size_t size = 0; size < good.size(); size += 37) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(CheckFirmwareImage(cut, false).valid) << size;
    }
    std::mt19937 rng(3);
    for (int i = 0; i < 200; ++i) {
        Bytes garbage(rng() % 1200);
        for (auto& b : garbage) {
            b = static_cast<std::uint8_t>(rng());
        }
        const FirmwareImageCheck check = CheckFirmwareImage(garbage, i % 2 == 0);
        EXPECT_FALSE(check.valid);
        EXPECT_EQ(check.outcome, kInvalid);
    }
}

}  // namespace
}  // namespace morvik

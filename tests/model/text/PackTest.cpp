#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "model/Cp932.h"
#include "model/TextRules.h"

namespace morvik {
namespace {

std::string RandomDeviceText(std::mt19937& random, std::size_t size) {
    const std::string sjis = Utf8ToCp932("ソ表ア").value();
    std::string text;
    std::uniform_int_distribution<int> pick(0, 99);
    while (text.size() < size) {
        const int r = pick(random);
        if (r < 10) {
            text += sjis.substr(static_cast<std::size_t>(r % 3) * 2, 2);
        } else if (r < 15) {
            text += "\r\n";
        } else {
            text += static_cast<char>(0x20 + r);
        }
    }
    return text;
}

TEST(Base64, KnownVectorsAndLineBreaks) {
    EXPECT_EQ(Base64Encode(""), "");
    EXPECT_EQ(Base64Encode("f"), "Zg==");
    EXPECT_EQ(Base64Encode("fo"), "Zm8=");
    EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(Base64Encode("\xFB\xFF"), "+/8=");
    // 57 bytes fill one line of 76 characters exactly; the next byte starts a second line.
    std::string line;
    for (int i = 0; i < 19; ++i) {
        line += "YWFh";
    }
    EXPECT_EQ(Base64Encode(std::string(57, 'a')), line + "\n");
    EXPECT_EQ(Base64Encode(std::string(114, 'a')), line + "\n" + line + "\n");
    EXPECT_EQ(Base64Encode(std::string(58, 'a')).find('\n'), 76u);
}

TEST(Base64, DecodeToleratesPaddingAndBreaksButNotStrangers) {
    EXPECT_EQ(Base64Decode("Zg==").value(), "f");
    EXPECT_EQ(Base64Decode("Zg").value(), "f");
    EXPECT_EQ(Base64Decode("Zm8").value(), "fo");
    EXPECT_EQ(Base64Decode("Zm9v\r\nYmFy\n").value(), "foobar");
    EXPECT_EQ(Base64Decode("").value(), "");
    EXPECT_FALSE(Base64Decode("Zm9v!").has_value());
    EXPECT_FALSE(Base64Decode("Zm9vY").has_value());  // a dangling sixth of a byte group
    EXPECT_FALSE(Base64Decode("Zm\x83\x5C").has_value());
}

TEST(Pack, IsPlainZlibAtTheDefaultLevel) {
    const std::string packed = Pack("1A2B");
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(packed[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(packed[1]), 0x9C);
    std::string out(16, '\0');
    uLongf size = out.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                         reinterpret_cast<const Bytef*>(packed.data()), packed.size()),
              Z_OK);
    EXPECT_EQ(out.substr(0, size), "1A2B");
}

TEST(Pack, RoundTripsShortAndLongTexts) {
    std::mt19937 random(7);
    for (std::size_t size : {0, 1, 4, 100, 3000, 20000, 51200}) {
        const std::string text = RandomDeviceText(random, size);
        const std::string base64 = PackBase64(text);
        EXPECT_EQ(Unpack(base64), text) << size;
        if (size >= 3000) {
            // Long values span several lines of at most 76 characters.
            std::size_t start = 0, end = 0, lines = 0;
            while ((end = base64.find('\n', start)) != std::string::npos) {
                EXPECT_EQ(end - start, 76u);
                start = end + 1;
                ++lines;
            }
            EXPECT_LE(base64.size() - start, 76u);
            EXPECT_GT(lines, 1u);
        }
    }
    EXPECT_EQ(Unpack(PackBase64(std::string("ab\0cd", 5))), "ab");  // cut at the zero byte
}

TEST(Unpack, DamagedDataNeverBecomesAnotherValue) {
    const std::string code = "1A2B";
    const std::string packed = Pack(code);
    for (std::size_t cut = 0; cut < packed.size(); ++cut) {
        EXPECT_EQ(Unpack(Base64Encode(packed.substr(0, cut))), "") << cut;
    }
    // Every single flipped bit either goes unnoticed (unused bits of the last deflate byte)
    // or empties the value; it never yields a different code.
    for (std::size_t i = 0; i < packed.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string damaged = packed;
            damaged[i] = static_cast<char>(damaged[i] ^ (1 << bit));
            const std::string result = Unpack(Base64Encode(damaged));
            EXPECT_TRUE(result.empty() || result == code) << i << ":" << bit << " " << result;
        }
    }
    const std::string base64 = Base64Encode(packed);
    EXPECT_EQ(Unpack(base64 + "!"), "");
    EXPECT_EQ(Unpack(base64.substr(0, base64.size() - 1)), "");
    EXPECT_EQ(Unpack("Z"), "");
    EXPECT_EQ(Unpack("===="), "");
    EXPECT_EQ(Unpack(""), "");
}

TEST(Unpack, OutputIsBounded) {
    // A megabyte of one letter packs into about a kilobyte: it must not be expanded.
    EXPECT_EQ(Unpack(PackBase64(std::string(1 << 20, 'A'))), "");
    EXPECT_EQ(Unpack(PackBase64(std::string(kUnpackLimit + 1, 'A'))), "");
    EXPECT_EQ(Unpack(PackBase64(std::string(kUnpackLimit, 'A'))).size(), kUnpackLimit);
    EXPECT_EQ(Inflate(Pack(std::string(100, 'x')), 99), std::nullopt);
    EXPECT_EQ(Inflate(Pack(std::string(100, 'x')), 100), std::string(100, 'x'));

    // A stored block that claims 65535 bytes but carries three.
    const std::string claim(
        "\x78\x01\x01\xFF\xFF\x00\x00"
        "abc",
        10);
    EXPECT_EQ(Unpack(Base64Encode(claim)), "");
}

TEST(Unpack, RandomInputIsHarmless) {
    const std::string alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=\n";
    std::mt19937 random(99);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int n = 0; n < 2000; ++n) {
        // Half of the inputs start like a real zlib stream so that inflate gets going.
        std::string text = n % 2 ? "eJ" : "";
        for (int k = n % 64; k > 0; --k) {
            text += alphabet[pick(random)];
        }
        EXPECT_LE(Unpack(text).size(), kUnpackLimit);
    }
}

}  // namespace
}  // namespace morvik

// Toruca files as a user picks them: written to a temporary folder and read back.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "files/TorucaFile.h"
#include "model/Pack.h"
#include "model/records/RecordGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using test::Sjis;

std::string B64(std::string_view text) {
    return Base64Encode(text);
}

// A file with every key; replace one line through the overrides.
std::string FileText(const std::map<std::string, std::string>& overrides = {}) {
    std::vector<std::pair<std::string, std::string>> lines = {
        {"Type:", "SNIP"},
        {"Title:", "ignored"},
        {"URL:", "http://example.com/t?"},
        {"Cat:", "0x1F"},
        {"Data1:", B64(Sjis("ソ表 1"))},
        {"Data2:", B64("line 1\r\nline 2")},
        {"Data3:", B64("d3")},
        {"IP-ID:", "ip01"},
        {"Sort-ID:", Sjis("アイ")},
        {"Dist:", "2"},
        {"Color-ID:", "5"},
    };
    std::string text;
    for (auto& [key, value] : lines) {
        auto it = overrides.find(key);
        if (it != overrides.end() && it->second == "<drop>") {
            continue;
        }
        text += key + " " + (it != overrides.end() ? it->second : value) + "\r\n";
    }
    return text;
}

class TorucaFileTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& content, const std::string& name = "a.trc") {
        std::string path = dir_.File(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    std::string Refusal() const { return res::TextCp932(ids::kTorucaFileInvalid); }

    test::TempDir dir_;
};

TEST_F(TorucaFileTest, FillsTheNineFields) {
    TorucaFileResult r = ReadTorucaFile(Write(FileText()));
    ASSERT_TRUE(r.record.has_value()) << r.message;
    EXPECT_EQ(r.message, "");
    TorucaRecord expected{"http://example.com/t?",
                          "001f",
                          Sjis("ソ表 1"),
                          "line 1\r\nline 2",
                          "d3",
                          "ip01",
                          Sjis("アイ"),
                          "2",
                          "5"};
    EXPECT_EQ(*r.record, expected);
}

TEST_F(TorucaFileTest, OrderAndMissingLineEndDoNotMatter) {
    std::string text = "Color-ID: 5\r\nURL: http://a/\r\nCat: 1f\r\nType: SNIP";  // no CR LF
    TorucaFileResult r = ReadTorucaFile(Write(text));
    ASSERT_TRUE(r.record.has_value()) << r.message;
    EXPECT_EQ(r.record->categoryIcon, "001f");
    EXPECT_EQ(r.record->colorId, "5");
    EXPECT_EQ(r.record->data1, "");  // a missing data line is empty
    // The first occurrence of a key counts.
    r = ParseTorucaFile(FileText() + "URL: http://second/\r\n");
    ASSERT_TRUE(r.record.has_value());
    EXPECT_EQ(r.record->detailUrl, "http://example.com/t?");
}

TEST_F(TorucaFileTest, EachRuleRefusesTheFile) {
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"Type:", "SNAP"},
        {"Type:", "<drop>"},
        {"URL:", "<drop>"},
        {"URL:", "http://a b/"},
        {"URL:", "http://a/" + std::string(157, 'x')},  // 166 bytes
        {"Cat:", "0xG1"},
        {"Cat:", "<drop>"},
        {"Cat:", "12345"},  // does not fit the icon's four digits
        {"Data1:", B64(std::string(41, 'a'))},
        {"Data1:", "%%%%"},  // not Base64
        {"Data2:", B64(std::string(101, 'a'))},
        {"Data2:", B64("tab\there")},
        {"Data3:", B64(std::string(21, 'a'))},
        {"Data3:", B64(std::string("nul\0", 4))},
        {"IP-ID:", std::string(31, 'i')},
        {"Sort-ID:", Sjis("アイウ")},
        {"Dist:", "12"},
        {"Color-ID:", "12"},
    };
    for (const auto& [key, value] : faults) {
        TorucaFileResult r = ReadTorucaFile(Write(FileText({{key, value}})));
        EXPECT_FALSE(r.record.has_value()) << key << " " << value;
        EXPECT_EQ(r.message, Refusal()) << key << " " << value;
    }
    // The limits themselves pass.
    auto ok = [&](const std::string& key, const std::string& value) {
        return ParseTorucaFile(FileText({{key, value}})).record.has_value();
    };
    EXPECT_TRUE(ok("Data1:", B64(std::string(40, 'a'))));
    EXPECT_TRUE(ok("Data2:", B64(std::string(100, 'a'))));
    EXPECT_TRUE(ok("URL:", "http://a/" + std::string(156, 'x')));
    EXPECT_TRUE(ok("Cat:", "0x00ff"));
    EXPECT_TRUE(ok("Cat:", "00001"));  // leading zeros are no extra digits
}

TEST_F(TorucaFileTest, SizeLimitComesFirst) {
    std::string text = FileText();
    std::string padded = text + "X: " + std::string(1024 - text.size() - 5, 'p') + "\r\n";
    ASSERT_EQ(padded.size(), 1024u);
    EXPECT_TRUE(ReadTorucaFile(Write(padded)).record.has_value());
    TorucaFileResult r = ReadTorucaFile(Write(padded + "x"));
    EXPECT_FALSE(r.record.has_value());
    EXPECT_EQ(r.message, Refusal());
    // A large file picked by mistake is refused the same way.
    r = ReadTorucaFile(Write(std::string(5 << 20, 'z'), "big.trc"));
    EXPECT_EQ(r.message, Refusal());
}

TEST_F(TorucaFileTest, UnopenableFiles) {
    std::string openFailed = res::TextCp932(ids::kFileOpenFailed);
    EXPECT_EQ(ReadTorucaFile(dir_.File("missing.trc")).message, openFailed);
    EXPECT_EQ(ReadTorucaFile(dir_.path()).message, openFailed);
    // Any other file is refused as not being a Toruca file, never a crash.
    EXPECT_EQ(ReadTorucaFile(Write(std::string("\x89PNG\r\n\x1a\n\0\0", 10), "x.png")).message,
              Refusal());
    EXPECT_EQ(ReadTorucaFile(Write("", "empty.trc")).message, Refusal());
}

}  // namespace
}  // namespace morvik

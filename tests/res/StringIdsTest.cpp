#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "res/Strings.h"

namespace morvik::res {
namespace {

// The source folder: MORVIK_SOURCE_DIR when the test runner sets it, else two folders above this
// file (the build compiles it by its full path).
std::string SourceDir() {
    if (const char* source = std::getenv("MORVIK_SOURCE_DIR")) {
        return source;
    }
    std::string file = __FILE__;
    for (int i = 0; i < 3; ++i) {
        file = file.substr(0, file.find_last_of('/'));
    }
    return file;
}

// The names of StringIds.h, read from the source so that every name is checked, not a sample.
std::map<std::string, int> ReadIdNames() {
    std::map<std::string, int> names;
    const std::string path = SourceDir() + "/src/res/StringIds.h";
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    static const std::regex kLine(R"(inline constexpr int (k\w+) = (\d+);)");
    for (auto it = std::sregex_iterator(all.begin(), all.end(), kLine);
         it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[1];
        EXPECT_EQ(names.count(name), 0u) << name << " is defined twice";
        names[name] = std::stoi((*it)[2]);
    }
    return names;
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

TEST(StringIds, EveryNameHasAnEntryAndEveryEntryAName) {
    const std::map<std::string, int> names = ReadIdNames();
    ASSERT_GT(names.size(), 500u);
    std::set<int> named;
    for (const auto& [name, id] : names) {
        EXPECT_TRUE(Has(id)) << name << " = " << id << " has no entry";
        named.insert(id);
    }
    for (const StringEntry& e : SystemEntries()) {
        EXPECT_EQ(named.count(e.id), 1u) << e.id << " has no name";
    }
}

// Keys, command and reply words and write error codes travel to the terminal and into files:
// plain ASCII, and keys without spaces (a settings-file line is the key, a space and the value).
TEST(StringIds, WordsForTheTerminalArePlainAscii) {
    static const std::regex kKeyForm(R"([A-Za-z0-9_-]+)");
    static const std::regex kCodeForm(R"(\(\d{3}\))");
    int keys = 0;
    int codes = 0;
    for (const auto& [name, id] : ReadIdNames()) {
        const std::string text(Text(id));
        if (StartsWith(name, "kKey")) {
            ++keys;
            EXPECT_TRUE(std::regex_match(text, kKeyForm)) << name << " '" << text << "'";
        } else if (StartsWith(name, "kCode")) {
            ++codes;
            EXPECT_TRUE(std::regex_match(text, kCodeForm)) << name << " '" << text << "'";
        } else if (StartsWith(name, "kCmd") || StartsWith(name, "kReply")) {
            for (unsigned char c : text) {
                EXPECT_TRUE(c >= 0x20 && c < 0x7F) << name << " '" << text << "'";
            }
        }
    }
    EXPECT_GT(keys, 70);
    EXPECT_GT(codes, 45);
}

}  // namespace
}  // namespace morvik::res

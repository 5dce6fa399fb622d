// The string table against the texts as the system's documentation gives them
// (SystemTexts.tsv, kept apart from the program's sources), so that the many tests that compare
// what a window or a session shows with a numbered text of the table stand on an independent
// source and not on the table alone.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "res/Strings.h"
#include "support/SimProcess.h"

namespace morvik::res {
namespace {

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
            out += text[i + 1] == 'r' ? '\r' : '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

TEST(SystemTexts, TheTableHoldsEveryDocumentedTextUnderItsNumber) {
    std::ifstream list(test::RequiredEnv("MORVIK_SOURCE_DIR") + "/tests/res/SystemTexts.tsv");
    ASSERT_TRUE(list) << "SystemTexts.tsv not found";
    int compared = 0;
    std::string line;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const int id = std::stoi(line.substr(0, tab));
        EXPECT_EQ(Text(id), Unescape(line.substr(tab + 1))) << "text " << id;
        ++compared;
    }
    EXPECT_GT(compared, 100);
}

}  // namespace
}  // namespace morvik::res

// A Mini/MiniS settings model survives both roads it travels: into a settings file and back, and
// to a (simulated) terminal with "pset" and back with "pget".

#include <gtest/gtest.h>

#include <map>

#include "files/MiniFamilySettingsFile.h"
#include "files/SettingsFile.h"
#include "model/FunctionRecordBuild.h"
#include "model/TextExtract.h"
#include "model/settings/MiniSettingsGen.h"
#include "res/Strings.h"
#include "support/AfterTerminal.h"
#include "support/RawTerminal.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using test::MiniSettingsGen;
using test::Sjis;

using test::AfterTerminal;

std::string Joined(const std::vector<std::string>& lines) {
    return MessageLines(lines);
}

TEST(MiniSettingsRoundTrip, RandomModelsThroughSettingsFileText) {
    MiniSettingsGen gen(4711);
    std::map<std::pair<int, char>, int> kinds;  // (group, kind) -> count
    int queries = 0;
    for (int n = 0; n < 400; ++n) {
        MiniSettings model = gen.Any();
        for (const FunctionSet& set : model.sets) {
            ++kinds[{0, static_cast<char>(set.docomo.selected)}];
            ++kinds[{1, static_cast<char>(set.other.selected)}];
            queries += set.queryFlags != 0 ? 1 : 0;
        }
        ASSERT_TRUE(ValidateMiniSettings(model).empty()) << Joined(ValidateMiniSettings(model));
        std::string text = MiniSettingsFileText(model);
        // One line per value: no value may carry a line break of its own.
        std::size_t lines = 0;
        for (std::size_t pos = 0; (pos = text.find("\r\n", pos)) != std::string::npos; pos += 2) {
            ++lines;
        }
        ASSERT_EQ(lines, 2 + MiniFileValues(model).size());
        ASSERT_EQ(text.find('\n'), text.find("\r\n") + 1);

        MiniSettings back;
        MiniReadResult read = LoadMiniSettingsText(text + "\r\n", back);
        ASSERT_FALSE(read.Failed()) << read.error;
        ASSERT_TRUE(read.warnings.empty()) << Joined(read.warnings);
        ASSERT_EQ(back, model) << "model " << n;
        // The model read back saves the very same file.
        ASSERT_EQ(MiniSettingsFileText(back), text);
    }
    // Every kind each group offers was generated, and queries were among them.
    EXPECT_EQ(kinds.size(), 6u);
    EXPECT_GT(queries, 100);
}

// Sends a line and takes everything up to the prompt that ends the reply. Values travel escaped
// and records come back in their stored form, so no reply holds CR LF and "%" before its end.
std::string Exchange(test::RawTerminal& terminal, const std::string& line) {
    terminal.SendLine(line);
    return terminal.ReadUntil("\r\n%");
}

// The reply to "pget key" is the echo, "key value" CR LF and the prompt.
std::string PgetValue(test::RawTerminal& terminal, const std::string& key) {
    return ValueBetweenMarkers(Exchange(terminal, "pget " + key), "\r\n" + key + " ", "\r\n");
}

TEST(MiniSettingsRoundTrip, RandomModelsThroughASimulatedTerminal) {
    test::SimProcess sim;
    test::RawTerminal terminal(sim.DevicePath());
    ASSERT_TRUE(terminal.IsOpen());
    ASSERT_TRUE(terminal.OpenSession());
    MiniSettingsGen gen(2024);
    for (int n = 0; n < 40; ++n) {
        MiniSettings model = gen.Any();
        std::vector<MiniKeyValue> written = MiniWriteValues(model);
        for (const MiniKeyValue& kv : written) {
            std::string line =
                kv.value.empty() ? "pclr " + kv.key : "pset " + kv.key + " " + kv.value;
            std::string reply = Exchange(terminal, line);
            ASSERT_NE(reply.find("done"), std::string::npos) << line << " -> " << reply;
        }
        MiniValues values;
        for (int keyId : MiniReadKeyIds()) {
            const std::string& key = res::TextCp932(keyId);
            values[key] = PgetValue(terminal, key);
        }
        MiniSettings back;
        MiniReadResult read = ReadMiniSettings(values, MiniValueSource::Terminal, back);
        ASSERT_FALSE(read.Failed()) << read.error;
        ASSERT_TRUE(read.warnings.empty()) << Joined(read.warnings);
        ASSERT_EQ(back, AfterTerminal(model)) << "model " << n;
    }
}

}  // namespace
}  // namespace morvik

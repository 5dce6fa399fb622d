// A file name in Japanese, handed to the core as UTF-8 the way the file dialogs and the command
// line hand it, names that very file on every system: saved through the temporary file, listed
// under its own name, read back, and a preferences file created in a Japanese folder. (On Windows
// a std::string given to std::filesystem::path straight is read byte for byte and names another
// file.)

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "files/Preferences.h"
#include "files/SettingsFile.h"
#include "link/RegularFile.h"
#include "model/Utf8Path.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

class Utf8PathTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("morvik-utf8path-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(folder_, error);
    }

    std::string Utf8(std::string_view name) const {
        return Utf8FromPath(folder_) + "/" + std::string(name);
    }
    std::vector<std::string> Listed(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            names.push_back(Utf8FromPath(entry.path().filename()));
        }
        return names;
    }

    fs::path folder_;
};

TEST_F(Utf8PathTest, AJapaneseNameReachesTheFileItNames) {
    const std::string name = Utf8("設定ファイル①.dat");
    std::string message;
    ASSERT_TRUE(WriteSettingsFile(PathFromUtf8(name), "ver 1.00\r\nmark line\r\n", message));
    EXPECT_EQ(Listed(folder_), std::vector<std::string>{"設定ファイル①.dat"});

    const SettingsFileText text = ReadSettingsFileText(PathFromUtf8(name), 1024);
    ASSERT_TRUE(text.ok) << text.message;
    EXPECT_TRUE(text.text.starts_with("ver 1.00\r\nmark line\r\n")) << text.text;
    EXPECT_EQ(ReadRegularFile(PathFromUtf8(name), 1024).bytes, "ver 1.00\r\nmark line\r\n");

    // The preferences make their folder first; both names keep their characters.
    const std::string preferences = Utf8("ユーザー/MorvikTool.ini");
    ASSERT_TRUE(WriteProfileStrings(preferences, "MorvikMini/Slim", {{"mark", "line"}}));
    EXPECT_EQ(Listed(PathFromUtf8(Utf8("ユーザー"))), std::vector<std::string>{"MorvikTool.ini"});
    EXPECT_EQ(ReadProfileString(preferences, "MorvikMini/Slim", "mark"), "line");
}

}  // namespace
}  // namespace morvik

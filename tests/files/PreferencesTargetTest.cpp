// A preferences file that is there but cannot be read: start-up takes the defaults without
// waiting, and no save ever cuts the file down to the keys it writes (the service texts and
// user lamps would be lost).

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "files/Preferences.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

const std::string kBody =
    "[MorvikMini/Slim]\r\nSerialPortNum=7\r\nCloseCheck=1\r\nuserlamp1=8123\r\n";

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Unreadable {
    const char* name;
    // Makes the file at path; false when this machine cannot make it so.
    std::function<bool(const std::string& path)> make;
};

void PrintTo(const Unreadable& u, std::ostream* out) {
    *out << u.name;
}

const Unreadable kUnreadable[] = {
    {"NoReadPermission",
     [](const std::string& path) {
         std::ofstream(path, std::ios::binary) << kBody;
         ::chmod(path.c_str(), 0200);
         return ::access(path.c_str(), R_OK) != 0;  // root reads it all the same
     }},
    {"OverOneMiB",
     [](const std::string& path) {
         std::ofstream(path, std::ios::binary) << kBody << std::string(1024 * 1024, ';');
         return true;
     }},
    {"Fifo", [](const std::string& path) { return ::mkfifo(path.c_str(), 0644) == 0; }},
    {"Directory", [](const std::string& path) { return std::filesystem::create_directory(path); }},
};

class PreferencesTarget : public ::testing::TestWithParam<Unreadable> {};

TEST_P(PreferencesTarget, GivesDefaultsAndIsNeverWritten) {
    test::TempDir dir;
    const std::string path = dir.File("MorvikTool.ini");
    if (!GetParam().make(path)) {
        GTEST_SKIP() << "this machine cannot make the file so";
    }
    struct stat before {};
    ASSERT_EQ(::lstat(path.c_str(), &before), 0);
    const std::string content = S_ISREG(before.st_mode) ? Slurp(path) : std::string();

    Preferences prefs(path);
    prefs.Load();  // a FIFO would hang here if it were opened for blocking reads
    EXPECT_EQ(prefs.Port(), Preferences::kDefaultPort);
    EXPECT_FALSE(prefs.CloseAfterWrite());
    EXPECT_EQ(prefs.ReadUserLamp(1), "");

    prefs.SetPort(3);
    EXPECT_FALSE(prefs.Save());
    EXPECT_FALSE(prefs.WriteUserLamp(2, "8000"));

    struct stat after {};
    ASSERT_EQ(::lstat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    EXPECT_EQ(after.st_ino, before.st_ino);
    if (S_ISREG(before.st_mode)) {
        ::chmod(path.c_str(), 0600);
        EXPECT_EQ(Slurp(path), content);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PreferencesTarget, ::testing::ValuesIn(kUnreadable),
                         [](const ::testing::TestParamInfo<Unreadable>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace morvik

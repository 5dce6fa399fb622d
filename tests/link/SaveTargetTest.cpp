// What a save does to the name it is given, for every saver that writes through a temporary file
// (settings files, the preferences): only a regular file is ever replaced, a link is followed and
// stays, a kept file keeps its mode, and a name as long as a file name may be still saves.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "LinePeer.h"
#include "files/Preferences.h"
#include "files/SettingsFile.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

using Saver = std::function<bool(const std::string& path)>;

struct SaverCase {
    const char* name;
    Saver save;
    const char* mark;  // a text the saved file holds
};

const SaverCase kSavers[] = {
    {"SettingsFile",
     [](const std::string& path) {
         std::string message;
         return WriteSettingsFile(path, "ver 1.00\r\nmark line\r\n", message);
     },
     "mark line"},
    {"Preferences",
     [](const std::string& path) {
         return WriteProfileStrings(path, "MorvikMini/Slim", {{"mark", "line"}});
     },
     "mark=line"},
};

enum class Expect { kRefused, kSaved };

struct TargetCase {
    const char* name;
    // Makes the target in folder; returns its path, or empty when this machine cannot make it.
    std::function<std::string(const std::string& folder)> make;
    Expect expect;
    mode_t mode;  // the saved file's mode, or 0 for a refusal
};

// Test names stay short in the test list: a case prints as its name, not as its bytes.
void PrintTo(const SaverCase& c, std::ostream* out) {
    *out << c.name;
}
void PrintTo(const TargetCase& c, std::ostream* out) {
    *out << c.name;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

mode_t DefaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

const TargetCase kTargets[] = {
    {"Fifo",
     [](const std::string& folder) {
         const std::string path = folder + "/target";
         return ::mkfifo(path.c_str(), 0644) == 0 ? path : std::string();
     },
     Expect::kRefused, 0},
    {"DeviceLikeDevNull",
     [](const std::string& folder) {
         const std::string path = folder + "/target";
         return ::mknod(path.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0 ? path : std::string();
     },
     Expect::kRefused, 0},
    {"LinkToDevNull",
     [](const std::string& folder) {
         const std::string path = folder + "/target";
         fs::create_symlink("/dev/null", path);
         return path;
     },
     Expect::kRefused, 0},
    {"Directory",
     [](const std::string& folder) {
         const std::string path = folder + "/target";
         fs::create_directory(path);
         return path;
     },
     Expect::kRefused, 0},
    {"LinkToFile",
     [](const std::string& folder) {
         test::WriteWholeFile(folder + "/real", "old\r\n");
         ::chmod((folder + "/real").c_str(), 0640);
         fs::create_symlink("real", folder + "/target");
         return folder + "/target";
     },
     Expect::kSaved, 0640},
    {"PrivateFile",
     [](const std::string& folder) {
         const std::string path = folder + "/target";
         test::WriteWholeFile(path, "old\r\n");
         ::chmod(path.c_str(), 0600);
         return path;
     },
     Expect::kSaved, 0600},
    {"NewFile", [](const std::string& folder) { return folder + "/target"; }, Expect::kSaved,
     DefaultMode()},
    {"NameOf248Characters",
     [](const std::string& folder) { return folder + "/" + std::string(244, 'n') + ".dat"; },
     Expect::kSaved, DefaultMode()},
};

class SaveTarget : public ::testing::TestWithParam<std::tuple<SaverCase, TargetCase>> {};

TEST_P(SaveTarget, RefusesWhatIsNotAFileAndKeepsTheMode) {
    const auto& [saver, target] = GetParam();
    test::TempDir dir;
    const std::string path = target.make(dir.path());
    if (path.empty()) {
        GTEST_SKIP() << "this machine cannot make the target";
    }
    struct stat before {};
    const bool existed = ::lstat(path.c_str(), &before) == 0;
    const auto entriesBefore = std::distance(fs::directory_iterator(dir.path()), {});

    const bool saved = saver.save(path);

    struct stat after {};
    ::lstat(path.c_str(), &after);
    if (target.expect == Expect::kRefused) {
        EXPECT_FALSE(saved);
        EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT) << "the target was replaced";
        EXPECT_EQ(after.st_rdev, before.st_rdev);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), entriesBefore)
            << "a temporary file was left behind";
        return;
    }
    ASSERT_TRUE(saved);
    if (existed) {
        EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT) << "a link became a file";
    }
    struct stat file {};
    ASSERT_EQ(::stat(path.c_str(), &file), 0);
    EXPECT_EQ(file.st_mode & 0777, target.mode);
    EXPECT_NE(Slurp(path).find(saver.mark), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}),
              entriesBefore + (existed ? 0 : 1));
}

INSTANTIATE_TEST_SUITE_P(EverySaver, SaveTarget,
                         ::testing::Combine(::testing::ValuesIn(kSavers),
                                            ::testing::ValuesIn(kTargets)),
                         [](const ::testing::TestParamInfo<SaveTarget::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace morvik

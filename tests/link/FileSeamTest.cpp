// The file calls each platform supplies for itself (the atomic save and the plain read), held to
// the same rules on Linux and, under Wine, on Windows.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "link/PartialFile.h"
#include "link/RegularFile.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

class FileSeam : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() / ("morvik-seam-" + std::to_string(stamp));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    size_t Entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

// Bytes a text-mode file would change: CR LF, a lone LF, a Ctrl+Z, a NUL.
constexpr char kBinaryBytes[] = "[MorvikMini/Slim]\r\nSerialPortNum=3\n\x1A\x00\x82\xA0";
const std::string kBinary(kBinaryBytes, sizeof kBinaryBytes - 1);

TEST_F(FileSeam, CommitReplacesTheFileWholeAndAnAbandonedSaveLeavesItAsItWas) {
    const std::string target = Path("settings.dat");
    Write(target, "old");
    {
        PartialFile file;
        ASSERT_TRUE(file.Create(target));
        ASSERT_TRUE(file.Append(kBinary));
        EXPECT_EQ(Read(target), "old");
    }
    EXPECT_EQ(Read(target), "old");
    EXPECT_EQ(Entries(), 1u);

    PartialFile file;
    ASSERT_TRUE(file.Create(target));
    ASSERT_TRUE(file.Append(kBinary));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(Read(target), kBinary);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(FileSeam, AFolderIsNeitherSavedOverNorRead) {
    fs::create_directory(Path("folder"));
    EXPECT_FALSE(PartialFile::CanCreate(Path("folder")));
    EXPECT_EQ(ReadRegularFile(Path("folder"), 1024).status, FileReadStatus::CannotOpen);
    EXPECT_FALSE(PartialFile::CanCreate(Path("missing-folder/settings.dat")));
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(FileSeam, ReadGivesTheBytesAsTheyAreAndNoMoreThanAskedFor) {
    const std::string path = Path("MorvikTool.ini");
    EXPECT_EQ(ReadRegularFile(path, 1024).status, FileReadStatus::NotFound);
    EXPECT_EQ(ReadRegularFile(Path("missing-folder/MorvikTool.ini"), 1024).status,
              FileReadStatus::NotFound);
    Write(path, kBinary);
    const FileRead whole = ReadRegularFile(path, 1024);
    EXPECT_EQ(whole.status, FileReadStatus::Ok);
    EXPECT_EQ(whole.bytes, kBinary);
    EXPECT_EQ(whole.size, kBinary.size());
    const FileRead head = ReadRegularFile(path, 4);
    EXPECT_EQ(head.status, FileReadStatus::TooLarge);
    EXPECT_EQ(head.bytes, kBinary.substr(0, 4));
    EXPECT_EQ(head.size, kBinary.size());
}

}  // namespace
}  // namespace morvik

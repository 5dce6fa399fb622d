// The desktop tool's test program: one QApplication for every test, on a machine of its own
// (no serial devices of the real machine are seen, and every preferences file is a test's).

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>

#include "support/SimProcess.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Empty system roots: the adapter lookup and the serial port list find only what a test
    // puts in its own ports folder.
    static morvik::test::TempDir machine;
    std::filesystem::create_directories(machine.File("sys"));
    std::filesystem::create_directories(machine.File("dev"));
    std::filesystem::create_directories(machine.File("config"));
    ::setenv("MORVIK_SYSFS_ROOT", machine.File("sys").c_str(), 1);
    ::setenv("MORVIK_DEV_ROOT", machine.File("dev").c_str(), 1);
    ::setenv("MORVIK_CONFIG_DIR", machine.File("config").c_str(), 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

// Start-up with the terminal's cable attached: its port wins over the port in the preferences,
// is remembered there, and is the port the first command reaches the terminal through.

#include <QTest>
#include <filesystem>
#include <fstream>

#include "files/Preferences.h"
#include "support/FakeCable.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

class StartupAdapterTest : public test::AppFixture {
  protected:
    void SetUp() override {
        for (const char* name : {"MORVIK_SYSFS_ROOT", "MORVIK_DEV_ROOT"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value != nullptr ? value : "");
        }
        ::setenv("MORVIK_SYSFS_ROOT", machine_.File("sys").c_str(), 1);
        ::setenv("MORVIK_DEV_ROOT", machine_.File("dev").c_str(), 1);
        fs::create_directories(machine_.File("sys"));
        fs::create_directories(machine_.File("dev"));
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
    }
    void PlugInCable(const std::string& device) { test::PlugInTerminalCable(machine_, device); }

    test::TempDir machine_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(StartupAdapterTest, CablePortWinsAndIsRemembered) {
    std::ofstream(IniPath()) << "[MorvikMini/Slim]\r\nSerialPortNum=9\r\nCloseCheck=0\r\n";
    test::SimProcess& sim = StartSim("mini");
    PlugInCable(sim.DevicePath());
    CMVKAppDlg& window = Window();
    EXPECT_NE(window.PortNumber(), 9);
    Preferences stored;
    stored.LoadPort();
    EXPECT_EQ(stored.Port(), window.PortNumber());
    // The first command goes through the cable's port to the terminal.
    DeviceInfo info;
    EXPECT_TRUE(window.Terminal().ReadDeviceInformation(info));
    EXPECT_TRUE(Logged(sim, "ver"));
}

TEST_F(StartupAdapterTest, WithoutTheCableThePreferencesPortStays) {
    std::ofstream(IniPath()) << "[MorvikMini/Slim]\r\nSerialPortNum=9\r\nCloseCheck=0\r\n";
    CMVKAppDlg& window = Window();
    EXPECT_EQ(window.PortNumber(), 9);
}

}  // namespace
}  // namespace morvik

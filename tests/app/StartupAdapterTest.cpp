// Start-up with the terminal's cable attached: its port wins over the port in the preferences,
// is remembered there, and is the port the first command reaches the terminal through.

#include <QTest>
#include <filesystem>
#include <fstream>

#include "files/Preferences.h"
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
    // The USB serial adapter of the terminal's cable (vendor 5A3C, product 0C41) as ttyUSB0.
    void PlugInCable(const std::string& device) {
        const fs::path sys = machine_.File("sys");
        const fs::path usb = sys / "devices/pci0000:00/usb1/1-1";
        const fs::path tty = usb / "1-1:1.0/ttyUSB0";
        fs::create_directories(tty);
        std::ofstream(usb / "idVendor") << "5a3c\n";
        std::ofstream(usb / "idProduct") << "0c41\n";
        fs::create_directories(sys / "class/tty/ttyUSB0");
        fs::create_symlink(tty, sys / "class/tty/ttyUSB0/device");
        fs::create_symlink(device, fs::path(machine_.File("dev")) / "ttyUSB0");
    }

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

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "LinePeer.h"
#include "PtyPair.h"
#include "link/AdapterLookup.h"
#include "link/ConfigDir.h"
#include "link/PortMap.h"
#include "link/SerialCommAPI.h"
#include "support/ScopedEnv.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

using test::ScopedEnv;

// A machine of our own: a sysfs tree and a /dev folder with the ttys a test plugs in.
class FakeMachine {
  public:
    explicit FakeMachine(const std::string& root) : sysfs_(root + "/sys"), dev_(root + "/dev") {
        fs::create_directories(sysfs_ / "class" / "tty");
        fs::create_directories(dev_);
        // A virtual console: a class entry without hardware.
        fs::create_directories(sysfs_ / "class" / "tty" / "tty0");
        // An 8250 port the kernel reserved but found no UART for, and one with a UART.
        AddTty("ttyS0", "devices/platform/serial8250/ttyS0", "0");
        AddTty("ttyS1", "devices/platform/serial8250/ttyS1", "4");
    }

    void AddUsbTty(const std::string& name, const std::string& usbDevice, const char* vendor,
                   const char* product, const std::string& byId = {}) {
        fs::path usb = sysfs_ / "devices" / "pci0000:00" / "usb1" / usbDevice;
        fs::create_directories(usb);
        test::WriteWholeFile((usb / "idVendor").string(), std::string(vendor) + "\n");
        test::WriteWholeFile((usb / "idProduct").string(), std::string(product) + "\n");
        AddTty(name, "devices/pci0000:00/usb1/" + usbDevice + "/" + usbDevice + ":1.0/" + name,
               nullptr);
        if (!byId.empty()) {
            fs::create_directories(dev_ / "serial" / "by-id");
            fs::create_symlink("../../" + name, dev_ / "serial" / "by-id" / byId);
        }
    }

    // The udev rule's link to the terminal's cable: <dev>/morvik -> name.
    void LinkTerminal(const std::string& name) {
        fs::remove(dev_ / "morvik");
        fs::create_symlink(name, dev_ / "morvik");
    }

    // The udev rule's name of each cable: <dev>/morvik-<serial> -> name.
    void LinkCable(const std::string& name, const std::string& serial) {
        fs::create_symlink(name, dev_ / ("morvik-" + serial));
    }

    void Unplug(const std::string& name) {
        fs::remove_all(sysfs_ / "class" / "tty" / name);
        fs::remove(dev_ / name);
    }

    void MakeConsole(const std::string& names) {
        fs::create_directories(sysfs_ / "class" / "tty" / "console");
        test::WriteWholeFile((sysfs_ / "class" / "tty" / "console" / "active").string(),
                             names + "\n");
    }

    SystemRoots Roots() const { return {sysfs_.string(), dev_.string()}; }
    std::string Dev(const std::string& name) const { return (dev_ / name).string(); }

  private:
    void AddTty(const std::string& name, const std::string& device, const char* type) {
        fs::create_directories(sysfs_ / device);
        fs::path entry = sysfs_ / "class" / "tty" / name;
        fs::create_directories(entry);
        fs::create_symlink(sysfs_ / device, entry / "device");
        if (type) {
            test::WriteWholeFile((entry / "type").string(), std::string(type) + "\n");
        }
        // A port is a character device: each fake one leads to a pseudo-terminal of its own.
        ptys_.push_back(std::make_unique<test::PtyPair>());
        fs::create_symlink(ptys_.back()->SlavePath(), Dev(name));
    }

    fs::path sysfs_;
    fs::path dev_;
    std::vector<std::unique_ptr<test::PtyPair>> ptys_;
};

TEST(ConfigDir, EnvironmentDecidesTheFolder) {
    {
        ScopedEnv own("MORVIK_CONFIG_DIR", "/tmp/own");
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(ConfigDir(), "/tmp/own");
    }
    {
        ScopedEnv own("MORVIK_CONFIG_DIR", nullptr);
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(ConfigDir(), "/tmp/xdg/MorvikTool");
        EXPECT_EQ(PortMap::DefaultFolder(), "/tmp/xdg/MorvikTool/ports");
    }
    {
        ScopedEnv own("MORVIK_CONFIG_DIR", "");
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        ScopedEnv home("HOME", "/home/operator");
        EXPECT_EQ(ConfigDir(), "/home/operator/.config/MorvikTool");
    }
}

TEST(PortMap, DevicesGetTheLowestFreeNumberAndKeepIt) {
    test::TempDir dir;
    FakeMachine machine(dir.path());
    machine.AddUsbTty("ttyUSB0", "1-2", "5a3c", "0c41", "usb-Morvik_Cable-if00-port0");
    machine.AddUsbTty("ttyACM0", "1-3", "2341", "0043");
    const std::string folder = dir.File("ports");
    fs::create_directories(folder);
    // COM2 is taken already (a simulator, a link the operator made).
    test::PtyPair other;
    fs::create_symlink(other.SlavePath(), folder + "/COM2");

    PortMap map(folder, machine.Roots());
    auto list = map.SystemPortList();
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(map.NumberOf(machine.Dev("ttyACM0")), 1);
    EXPECT_EQ(map.NumberOf(machine.Dev("ttyS1")), 3);
    // The adapter is known by its stable name, and by its kernel name through the link.
    EXPECT_EQ(fs::read_symlink(map.LinkPath(4)).string(),
              machine.Dev("serial/by-id/usb-Morvik_Cable-if00-port0"));
    EXPECT_EQ(map.NumberOf(machine.Dev("ttyUSB0")), 4);
    EXPECT_EQ(map.NumberOf(machine.Dev("ttyS0")), 0);

    // Unplugged: out of the list, but the number stays its own.
    machine.Unplug("ttyACM0");
    machine.AddUsbTty("ttyUSB1", "1-4", "0403", "6001");
    list = map.SystemPortList();
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::string>{"COM2", "COM3", "COM4", "COM5"}));
    EXPECT_EQ(map.NumberOf(machine.Dev("ttyUSB1")), 5);
    machine.AddUsbTty("ttyACM0", "1-3", "2341", "0043");
    list = map.SystemPortList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->front(), "COM1");
    EXPECT_EQ(map.Assign(machine.Dev("ttyACM0")), 1);
}

TEST(PortMap, UnusableFolder) {
    test::TempDir dir;
    test::WriteWholeFile(dir.File("ports"), "a file where the folder should be");
    PortMap map(dir.File("ports"), SystemRoots{dir.File("nosys"), dir.File("nodev")});
    EXPECT_FALSE(map.SystemPortList());
    EXPECT_EQ(map.Assign("/dev/ttyUSB0"), 0);
    // A folder that does not exist yet is created, and an empty machine lists nothing.
    PortMap fresh(dir.File("new/ports"), SystemRoots{dir.File("nosys"), dir.File("nodev")});
    auto list = fresh.SystemPortList();
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->empty());
    EXPECT_TRUE(fs::is_directory(dir.File("new/ports")));
}

TEST(AdapterLookup, FindsTheTerminalCableByUsbIds) {
    test::TempDir dir;
    FakeMachine machine(dir.path());
    machine.AddUsbTty("ttyUSB0", "1-1", "0403", "6001");  // some other FTDI cable
    PortMap map(dir.File("ports"), machine.Roots());
    EXPECT_FALSE(LookupAdapterPort(map));

    machine.AddUsbTty("ttyUSB3", "1-2", "5A3C", "0C41");
    auto port = LookupAdapterPort(map);
    ASSERT_TRUE(port);
    EXPECT_EQ(*port, 1);
    EXPECT_EQ(map.NumberOf(machine.Dev("ttyUSB3")), 1);
    // The number sticks while others come and go.
    EXPECT_TRUE(map.Refresh());
    EXPECT_EQ(LookupAdapterPort(map), 1);
}

TEST(AdapterLookup, FindsTheTerminalCableThroughTheUdevLink) {
    test::TempDir dir;
    FakeMachine machine(dir.path());
    machine.AddUsbTty("ttyUSB0", "1-1", "0403", "6001");
    machine.AddUsbTty("ttyUSB1", "1-2", "5a3c", "0c41", "usb-Morvik_Cable_A-if00-port0");
    machine.LinkTerminal("ttyUSB1");
    PortMap map(dir.File("ports"), machine.Roots());
    ASSERT_EQ(LookupAdapterPort(map), 1);
    // The port map names the link, not the cable's own serial number.
    EXPECT_EQ(fs::read_symlink(map.LinkPath(1)).string(), machine.Dev("morvik"));

    // Another terminal's cable, under another kernel name: the same COM number.
    machine.Unplug("ttyUSB1");
    machine.AddUsbTty("ttyUSB2", "1-3", "5a3c", "0c41", "usb-Morvik_Cable_B-if00-port0");
    machine.LinkTerminal("ttyUSB2");
    EXPECT_EQ(LookupAdapterPort(map), 1);
    auto list = map.SystemPortList();
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::string>{"COM1", "COM2", "COM3"}));

    // A cable with other IDs that a site added to the rule is the terminal's too.
    machine.Unplug("ttyUSB2");
    machine.LinkTerminal("ttyUSB0");
    EXPECT_EQ(LookupAdapterPort(map), 1);
}

TEST(AdapterLookup, TwoCablesHaveANameEachAndTheFirstKeepsTheNumber) {
    test::TempDir dir;
    FakeMachine machine(dir.path());
    // The first cable plugged in came back as ttyUSB1 and holds /dev/morvik; the second one,
    // ttyUSB0, has only its own name.
    machine.AddUsbTty("ttyUSB1", "1-2", "5a3c", "0c41", "usb-Morvik_Cable_A-if00-port0");
    machine.LinkTerminal("ttyUSB1");
    machine.LinkCable("ttyUSB1", "A");
    machine.AddUsbTty("ttyUSB0", "1-3", "5a3c", "0c41", "usb-Morvik_Cable_B-if00-port0");
    machine.LinkCable("ttyUSB0", "B");

    auto devices = ScanSerialDevices(machine.Roots());
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_FALSE(devices[0].terminalLink);  // ttyS1
    EXPECT_EQ(devices[1].path, machine.Dev("morvik-B"));
    EXPECT_TRUE(devices[1].terminalLink);
    EXPECT_EQ(devices[2].path, machine.Dev("morvik"));
    EXPECT_TRUE(devices[2].terminalLink);

    PortMap map(dir.File("ports"), machine.Roots());
    ASSERT_EQ(LookupAdapterPort(map), 1);
    EXPECT_EQ(fs::read_symlink(map.LinkPath(1)).string(), machine.Dev("morvik"));
    // The port search tries every cable, each under its own name.
    auto list = map.SystemPortList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->size(), 3u);
    EXPECT_NE(map.NumberOf(machine.Dev("morvik-B")), 0);

    // A cable with other IDs that a site added to the rule, alone: found by its own name.
    test::TempDir other;
    FakeMachine site(other.path());
    site.AddUsbTty("ttyUSB0", "1-2", "0403", "6015");
    site.LinkCable("ttyUSB0", "C");
    PortMap siteMap(other.File("ports"), site.Roots());
    ASSERT_EQ(LookupAdapterPort(siteMap), 1);
    EXPECT_EQ(fs::read_symlink(siteMap.LinkPath(1)).string(), site.Dev("morvik-C"));
}

TEST(PortMap, TheSerialConsoleIsNeverListed) {
    test::TempDir dir;
    FakeMachine machine(dir.path());
    machine.AddUsbTty("ttyUSB0", "1-2", "5a3c", "0c41");
    machine.MakeConsole("tty0 ttyS1");
    PortMap map(dir.File("ports"), machine.Roots());
    auto list = map.SystemPortList();
    ASSERT_TRUE(list);
    // A port search writes wake-up lines to every listed port; the console must not get them.
    EXPECT_EQ(*list, (std::vector<std::string>{"COM1"}));
    EXPECT_EQ(map.NumberOf(machine.Dev("ttyS1")), 0);
    EXPECT_EQ(map.NumberOf(machine.Dev("ttyUSB0")), 1);
}

TEST(PortMap, OpenByComNumberGoesThroughTheFolder) {
    test::TempDir dir;
    ScopedEnv config("MORVIK_CONFIG_DIR", dir.path().c_str());
    test::PtyPair pty;
    fs::create_directories(dir.File("ports"));
    fs::create_symlink(pty.SlavePath(), dir.File("ports/COM3"));

    CSerialCommAPI port;
    EXPECT_FALSE(port.Open(4));
    ASSERT_TRUE(port.Open(3));
    EXPECT_FALSE(port.Open(3));
    ASSERT_TRUE(port.IsOpen());
    ASSERT_TRUE(port.Send("ver\r"));
    EXPECT_EQ(pty.Read(200), "ver\r");
}

}  // namespace
}  // namespace morvik

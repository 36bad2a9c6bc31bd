#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "core/app/CommunicationSettingState.h"
#include "core/app/SerialDevicePresence.h"
#include "core/app/texts/MsgText.h"
#include "tests/support/ScriptedHost.h"

namespace {

namespace fs = std::filesystem;

constexpr std::array<int, 7> SPEEDS = {9600, 19200, 38400, 57600, 115200, 230400, 460800};

// The dialog over a fixed set of existing devices, so that the tests do not depend on this machine.
class CommunicationSettingTest : public ::testing::Test {
protected:
    SCommunicationSettingState Create(const std::map<int, std::string>& overrides = {}) {
        return CreateCommunicationSettingState(
            comm, SPEEDS, overrides, [this](const std::string& device) -> std::optional<std::string> {
                const auto found = devices.find(device);
                if (found == devices.end()) return std::nullopt;
                return found->second;
            });
    }
    SGWCommunicate comm;
    std::map<std::string, std::string> devices;  // device path -> adapter maker and model
    ScriptedHost host;
};

TEST_F(CommunicationSettingTest, ItemsAndTexts) {
    devices = {{"/dev/ttyUSB0", "FTDI FT232R USB UART"}, {"/dev/ttyS1", ""}};
    const SCommunicationSettingState state = Create({{7, "/dev/pts/7"}, {8, "/dev/pts/8"}});
    ASSERT_EQ(state.ComboBox_COM_PORT.items.size(), 255u);
    EXPECT_EQ(state.ComboBox_COM_PORT.items[0], "COM1");
    EXPECT_EQ(state.ComboBox_COM_PORT.items[1], "COM2  /dev/ttyS1");
    // mapped entries are listed as the settings file names them, there or not
    EXPECT_EQ(state.ComboBox_COM_PORT.items[6], "COM7  /dev/pts/7");
    EXPECT_EQ(state.ComboBox_COM_PORT.items[7], "COM8  /dev/pts/8");
    EXPECT_EQ(state.ComboBox_COM_PORT.items[32], "COM33  /dev/ttyUSB0 (FTDI FT232R USB UART)");
    EXPECT_EQ(state.ComboBox_COM_PORT.items[33], "COM34");
    EXPECT_EQ(state.ComboBox_COM_PORT.items[254], "COM255");
    EXPECT_EQ(state.ComboBox1.items,
              (std::vector<std::string>{"9600", "19200", "38400", "57600", "115200", "230400"}));
    EXPECT_EQ(state.caption, "Setting of communications");
    EXPECT_EQ(state.Label1.text, "Port");
    EXPECT_EQ(state.Label2.text, "Baudrate(bps)");
    EXPECT_EQ(state.BitBtn1.text, "OK");
    EXPECT_EQ(state.BitBtn2.text, "Cancel");
}

TEST_F(CommunicationSettingTest, InitialSelections) {
    const struct {
        int port, baud;
        int portItem, speedItem;
    } cases[] = {{0, 0, -1, 0}, {3, 4, 2, 4}, {255, 5, 254, 5}, {256, 6, -1, -1}};
    for (const auto& c : cases) {
        comm.CurrentPortNum = static_cast<std::uint16_t>(c.port);
        comm.CurrentBaudIndex = static_cast<std::uint16_t>(c.baud);
        const SCommunicationSettingState state = Create();
        EXPECT_EQ(state.ComboBox_COM_PORT.index, c.portItem) << c.port;
        EXPECT_EQ(state.ComboBox1.index, c.speedItem) << c.baud;
        EXPECT_EQ(state.initialPortItem, c.portItem);
        EXPECT_EQ(state.initialSpeedItem, c.speedItem);
    }
}

TEST_F(CommunicationSettingTest, FirstRunOkWithoutChoiceChangesNothing) {
    const SCommunicationSettingState state = Create();
    const SCommunicationSettingResult result = CommunicationSettingOk(state, comm, host);
    EXPECT_FALSE(result.applied);
    EXPECT_FALSE(result.disableMonitorMenu);
    EXPECT_EQ(comm.CurrentPortNum, 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CommunicationSettingTest, ChangeAskedAndAppliedOnYes) {
    comm.CurrentPortNum = 1;
    SCommunicationSettingState state = Create();
    state.ComboBox_COM_PORT.index = 2;  // COM3
    host.answers = {ID_YES};
    const SCommunicationSettingResult result = CommunicationSettingOk(state, comm, host);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, MsgText[12]);
    EXPECT_EQ(host.boxes[0].style, 0x124u);
    EXPECT_TRUE(result.applied);
    EXPECT_TRUE(result.disableMonitorMenu);
    EXPECT_EQ(comm.CurrentPortNum, 3);
    EXPECT_EQ(comm.CurrentBaudIndex, 0);
}

TEST_F(CommunicationSettingTest, NoOrEnterKeepsTheOldValues) {
    comm.CurrentPortNum = 1;
    comm.CurrentBaudIndex = 2;
    SCommunicationSettingState state = Create();
    state.ComboBox_COM_PORT.index = 2;
    state.ComboBox1.index = 4;
    host.answers = {ID_NO};
    EXPECT_FALSE(CommunicationSettingOk(state, comm, host).applied);
    EXPECT_FALSE(CommunicationSettingOk(state, comm, host).applied);  // Enter: No is the default
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(comm.CurrentPortNum, 1);
    EXPECT_EQ(comm.CurrentBaudIndex, 2);
}

TEST_F(CommunicationSettingTest, UnofferedSpeedStaysWhenOnlyThePortChanges) {
    comm.CurrentPortNum = 4;
    comm.CurrentBaudIndex = 6;  // 460800 bps, not offered
    SCommunicationSettingState state = Create();
    ASSERT_EQ(state.ComboBox1.index, -1);
    state.ComboBox_COM_PORT.index = 6;
    host.answers = {ID_YES};
    EXPECT_TRUE(CommunicationSettingOk(state, comm, host).applied);
    EXPECT_EQ(comm.CurrentPortNum, 7);
    EXPECT_EQ(comm.CurrentBaudIndex, 6);

    state.ComboBox1.index = 1;
    host.answers = {ID_YES};
    EXPECT_TRUE(CommunicationSettingOk(state, comm, host).applied);
    EXPECT_EQ(comm.CurrentBaudIndex, 1);
}

TEST_F(CommunicationSettingTest, ExtendedModeKeepsTheMonitorMenu) {
    comm.ToolFlags = TOOLFLAG_VALID | TOOLFLAG_EXTENDED_MODE;
    SCommunicationSettingState state = Create();
    state.ComboBox1.index = 5;
    host.answers = {ID_YES};
    const SCommunicationSettingResult result = CommunicationSettingOk(state, comm, host);
    EXPECT_TRUE(result.applied);
    EXPECT_FALSE(result.disableMonitorMenu);
    EXPECT_EQ(comm.CurrentBaudIndex, 5);
    EXPECT_EQ(comm.CurrentPortNum, 0);
}

// A fake sysfs tree: what the kernel reports decides whether a port is there, not the /dev node.
class SerialDevicePresenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("gw-sysfs-" + std::to_string(::getpid()));
        fs::remove_all(root);
    }
    void TearDown() override { fs::remove_all(root); }

    // /sys/class/tty/NAME with a device link to DEVICE (relative to the tree), optionally with a driver
    // link and a port type file.
    void Tty(const std::string& name, const std::string& device, bool driver, const char* type) {
        const fs::path tty = root / "class" / "tty" / name;
        fs::create_directories(tty);
        fs::create_directories(root / device);
        fs::create_symlink(root / device, tty / "device");
        if (driver) {
            fs::create_directories(root / "bus" / "drivers" / "serial");
            fs::create_symlink(root / "bus" / "drivers" / "serial", root / device / "driver");
        }
        if (type != nullptr) Write(tty / "type", type);
    }
    static void Write(const fs::path& file, const std::string& text) { std::ofstream(file) << text << "\n"; }

    fs::path root;
};

TEST_F(SerialDevicePresenceTest, OnlyPortsTheKernelFoundAreThere) {
    Tty("ttyS0", "devices/pnp0/00:01/tty/ttyS0", true, "4");           // a 16550A UART
    Tty("ttyS1", "devices/platform/serial8250/tty/ttyS1", true, "0");  // a node without a UART
    Tty("ttyS2", "devices/platform/serial8250/tty/ttyS2", false, "4");
    Tty("ttyUSB0", "devices/usb1/1-1/1-1:1.0/ttyUSB0", false, nullptr);
    Write(root / "devices/usb1/1-1/manufacturer", "FTDI");
    Write(root / "devices/usb1/1-1/product", "FT232R USB UART");
    Tty("ttyACM0", "devices/usb1/1-2/1-2:1.0", false, nullptr);
    Write(root / "devices/usb1/1-2/product", "USB Serial");
    Tty("ttyUSB1", "devices/usb1/1-3/1-3:1.0/ttyUSB1", false, nullptr);

    const struct {
        const char* device;
        std::optional<std::string> expected;
    } cases[] = {
        {"/dev/ttyS0", ""},
        {"/dev/ttyS1", std::nullopt},
        {"/dev/ttyS2", std::nullopt},
        {"/dev/ttyS3", std::nullopt},
        {"/dev/ttyUSB0", "FTDI FT232R USB UART"},
        {"/dev/ttyACM0", "USB Serial"},
        {"/dev/ttyUSB1", ""},
        {"/dev/ttyUSB2", std::nullopt},
        {"/dev/null", ""},  // not a numbered port: there when it exists
        {"/dev/no-such-gateway-port", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DescribeSerialDevice(c.device, root.string()), c.expected) << c.device;
}

}  // namespace

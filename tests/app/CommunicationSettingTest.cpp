#include <gtest/gtest.h>

#include <array>
#include <set>

#include "core/app/CommunicationSettingState.h"
#include "core/app/texts/MsgText.h"
#include "tests/support/ScriptedHost.h"

namespace {

constexpr std::array<int, 7> SPEEDS = {9600, 19200, 38400, 57600, 115200, 230400, 460800};

// The dialog over a fixed set of existing devices, so that the tests do not depend on this machine.
class CommunicationSettingTest : public ::testing::Test {
protected:
    SCommunicationSettingState Create(const std::map<int, std::string>& overrides = {}) {
        return CreateCommunicationSettingState(
            comm, SPEEDS, overrides, [this](const std::string& device) { return devices.count(device) > 0; });
    }
    SGWCommunicate comm;
    std::set<std::string> devices;
    ScriptedHost host;
};

TEST_F(CommunicationSettingTest, ItemsAndTexts) {
    devices = {"/dev/ttyUSB0", "/dev/pts/7"};
    const SCommunicationSettingState state = Create({{7, "/dev/pts/7"}, {8, "/dev/pts/8"}});
    ASSERT_EQ(state.ComboBox_COM_PORT.items.size(), 255u);
    EXPECT_EQ(state.ComboBox_COM_PORT.items[0], "COM1");
    EXPECT_EQ(state.ComboBox_COM_PORT.items[6], "COM7  /dev/pts/7");
    EXPECT_EQ(state.ComboBox_COM_PORT.items[7], "COM8");
    EXPECT_EQ(state.ComboBox_COM_PORT.items[32], "COM33  /dev/ttyUSB0");
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

TEST(DeviceExistsTest, RealPaths) {
    EXPECT_TRUE(DeviceExists("/dev/null"));
    EXPECT_FALSE(DeviceExists("/dev/no-such-gateway-port"));
    EXPECT_FALSE(DeviceExists(""));
}

}  // namespace

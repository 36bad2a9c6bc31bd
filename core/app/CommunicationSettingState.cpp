#include "core/app/CommunicationSettingState.h"

#include <algorithm>
#include <cstdio>

#include "core/app/ComPortMapping.h"
#include "core/app/SerialDevicePresence.h"
#include "core/app/texts/CommonText.h"
#include "core/app/texts/MsgText.h"

namespace {

constexpr int COMMON_TEXT_OK = 69;
constexpr int COMMON_TEXT_CANCEL = 70;
constexpr int COMMON_TEXT_COMM_CAPTION = 275;
constexpr int COMMON_TEXT_PORT = 277;
constexpr int COMMON_TEXT_BAUDRATE = 278;
constexpr int COMMON_TEXT_COM_FORMAT = 445;
constexpr int MSG_COMM_SETTING_CORRECT = 12;

std::string ComNameOf(int comNumber) {
    const std::string format = CommonTextAt(COMMON_TEXT_COM_FORMAT);  // "COM%d"
    char text[32];
    std::snprintf(text, sizeof text, format.c_str(), comNumber);
    return text;
}

std::string SpeedItemText(int bps) {
    char text[16];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(bps));
    return text;
}

int ItemOrNone(int item, int count) {
    return item >= 0 && item < count ? item : -1;
}

}  // namespace

std::optional<std::string> SystemSerialDeviceProbe(const std::string& devicePath) {
    return DescribeSerialDevice(devicePath);
}

std::string PortItemText(int comNumber, const std::map<int, std::string>& portOverrides,
                         const SerialDeviceProbe& probe) {
    std::string text = ComNameOf(comNumber);
    if (const auto mapped = portOverrides.find(comNumber);
        mapped != portOverrides.end() && !mapped->second.empty()) {
        return text + "  " + mapped->second;
    }
    const std::string device = ComPortDevicePath(comNumber, portOverrides);
    if (device.empty()) return text;
    const std::optional<std::string> adapter = probe(device);
    if (!adapter) return text;
    text += "  " + device;
    if (!adapter->empty()) text += " (" + *adapter + ")";
    return text;
}

SCommunicationSettingState CreateCommunicationSettingState(const SGWCommunicate& comm,
                                                           std::span<const int> baudTable,
                                                           const std::map<int, std::string>& portOverrides,
                                                           const SerialDeviceProbe& probe) {
    SCommunicationSettingState state;
    for (int comNumber = 1; comNumber <= COMM_DIALOG_PORT_COUNT; ++comNumber) {
        state.ComboBox_COM_PORT.items.push_back(PortItemText(comNumber, portOverrides, probe));
    }
    const std::size_t speedCount = std::min<std::size_t>(baudTable.size(), COMM_DIALOG_SPEED_COUNT);
    for (std::size_t i = 0; i < speedCount; ++i) state.ComboBox1.items.push_back(SpeedItemText(baudTable[i]));

    state.ComboBox_COM_PORT.index = ItemOrNone(comm.CurrentPortNum - 1, COMM_DIALOG_PORT_COUNT);
    state.ComboBox1.index = ItemOrNone(comm.CurrentBaudIndex, static_cast<int>(speedCount));
    state.initialPortItem = state.ComboBox_COM_PORT.index;
    state.initialSpeedItem = state.ComboBox1.index;

    state.caption = CommonTextAt(COMMON_TEXT_COMM_CAPTION);
    state.Label1.text = CommonTextAt(COMMON_TEXT_PORT);
    state.Label2.text = CommonTextAt(COMMON_TEXT_BAUDRATE);
    state.BitBtn1.text = CommonTextAt(COMMON_TEXT_OK);
    state.BitBtn2.text = CommonTextAt(COMMON_TEXT_CANCEL);
    return state;
}

SCommunicationSettingResult CommunicationSettingOk(const SCommunicationSettingState& state,
                                                   SGWCommunicate& comm, HostServices& host) {
    const int portItem = state.ComboBox_COM_PORT.index;
    const int speedItem = state.ComboBox1.index;
    if (portItem == state.initialPortItem && speedItem == state.initialSpeedItem) return {};
    if (host.ShowMessageBox(MsgText[MSG_COMM_SETTING_CORRECT],
                            MB_YES_NO | MB_ICON_QUESTION | MB_SECOND_DEFAULT) != ID_YES) {
        return {};
    }
    comm.CurrentPortNum = static_cast<std::uint16_t>(portItem >= 0 ? portItem + 1 : 0);
    if (speedItem >= 0) comm.CurrentBaudIndex = static_cast<std::uint16_t>(speedItem);
    SCommunicationSettingResult result;
    result.applied = true;
    result.disableMonitorMenu = (comm.ToolFlags & TOOLFLAG_EXTENDED_MODE) == 0;
    return result;
}

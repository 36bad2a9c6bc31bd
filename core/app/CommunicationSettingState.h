#pragma once
// The communication settings dialog `TCommunicationSetting`: the PC's COM port and the speed towards
// the gateway. It edits `CurrentPortNum` and `CurrentBaudIndex` only; it reads no file and opens no port.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "core/app/ControlState.h"
#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"

inline constexpr int COMM_DIALOG_PORT_COUNT = 255;  // items COM1 ... COM255
inline constexpr int COMM_DIALOG_SPEED_COUNT = 6;   // the first six speeds of BaudTable

struct SCommunicationSettingState {
    std::string caption;           // "Setting of communications"
    TextState Label1;              // "Port"
    ComboState ComboBox_COM_PORT;  // item i stands for COM i + 1
    TextState Label2;              // "Baudrate(bps)"
    ComboState ComboBox1;          // item i stands for baud index i
    TextState BitBtn1;             // "OK", the default button
    TextState BitBtn2;             // "Cancel", answers Escape
    int initialPortItem = -1;      // selections when the dialog was created
    int initialSpeedItem = -1;
};

// Whether the device a COM number names by the numbering rule is really there: nothing when not, else
// what is known of the adapter (maker and model, possibly empty). `DescribeSerialDevice` asks sysfs.
using SerialDeviceProbe = std::function<std::optional<std::string>(const std::string& devicePath)>;

std::optional<std::string> SystemSerialDeviceProbe(const std::string& devicePath);

// The port item text: "COM%d", followed by two blanks and the device path when that port is there, and
// the adapter's maker and model in brackets when known. A COM number mapped in [Ports] shows its mapped
// path as it stands: the user named it.
std::string PortItemText(int comNumber, const std::map<int, std::string>& portOverrides,
                         const SerialDeviceProbe& probe);

// The dialog as created from the current values. `baudTable` is the link's BaudTable; the first six
// speeds are offered. A port number of 0 (never configured) selects no port; a baud index beyond the
// offered speeds selects no speed.
SCommunicationSettingState CreateCommunicationSettingState(
    const SGWCommunicate& comm, std::span<const int> baudTable,
    const std::map<int, std::string>& portOverrides,
    const SerialDeviceProbe& probe = SystemSerialDeviceProbe);

struct SCommunicationSettingResult {
    bool applied = false;             // the values were changed
    bool disableMonitorMenu = false;  // the main window must disable `MenuMoniter1`
};

// OK: without a changed selection nothing happens; otherwise the question box "Are the communication
// setting correct?" decides whether the selections are taken over.
SCommunicationSettingResult CommunicationSettingOk(const SCommunicationSettingState& state,
                                                   SGWCommunicate& comm, HostServices& host);

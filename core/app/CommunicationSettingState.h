#pragma once
// The communication settings dialog `TCommunicationSetting`: the PC's COM port and the speed towards
// the gateway. It edits `CurrentPortNum` and `CurrentBaudIndex` only; it reads no file and opens no port.
#include <cstdint>
#include <functional>
#include <map>
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

// Whether a device path names an existing device; the dialog shows the path beside such COM items.
using DeviceExistsProbe = std::function<bool(const std::string& devicePath)>;
bool DeviceExists(const std::string& devicePath);

// The port item text: "COM%d", followed by two blanks and the device path when the device exists.
std::string PortItemText(int comNumber, const std::map<int, std::string>& portOverrides,
                         const DeviceExistsProbe& deviceExists);

// The dialog as created from the current values. `baudTable` is the link's BaudTable; the first six
// speeds are offered. A port number of 0 (never configured) selects no port; a baud index beyond the
// offered speeds selects no speed.
SCommunicationSettingState CreateCommunicationSettingState(
    const SGWCommunicate& comm, std::span<const int> baudTable,
    const std::map<int, std::string>& portOverrides, const DeviceExistsProbe& deviceExists = DeviceExists);

struct SCommunicationSettingResult {
    bool applied = false;             // the values were changed
    bool disableMonitorMenu = false;  // the main window must disable `MenuMoniter1`
};

// OK: without a changed selection nothing happens; otherwise the question box "Are the communication
// setting correct?" decides whether the selections are taken over.
SCommunicationSettingResult CommunicationSettingOk(const SCommunicationSettingState& state,
                                                   SGWCommunicate& comm, HostServices& host);

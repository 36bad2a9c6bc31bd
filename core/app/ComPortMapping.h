#pragma once
// The tool keeps the serial port as a COM number. On Linux COM n names a device: an explicit mapping of
// the settings file's [Ports] section first, else 1-32 /dev/ttyS<n-1>, 33-64 /dev/ttyUSB<n-33>,
// 65-96 /dev/ttyACM<n-65>.
#include <map>
#include <string>

// The device path of COM `comNumber`; empty when the number names no device.
std::string ComPortDevicePath(int comNumber, const std::map<int, std::string>& overrides);

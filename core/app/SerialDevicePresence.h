#pragma once
// Whether a serial device the COM numbering names is really there, from what the kernel reports in
// sysfs. Many PCs have /dev/ttyS0..31 nodes with no UART behind them; a node alone proves nothing.
#include <optional>
#include <string>

// For /dev/ttyS<n>: a UART the kernel found (a device with a driver and a port type other than
// unknown). For /dev/ttyUSB<n> and /dev/ttyACM<n>: the adapter's sysfs device. Returns nothing when the
// port is not there, else the adapter's maker and model where sysfs has them (possibly empty). Other
// device paths count as there when they exist. `sysRoot` is "/sys" except in tests.
std::optional<std::string> DescribeSerialDevice(const std::string& devicePath,
                                                const std::string& sysRoot = "/sys");

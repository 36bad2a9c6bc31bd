#pragma once
// What sysfs and udev's by-id links say about the USB serial adapter behind a device: its maker, model,
// serial number and the stable name under /dev/serial/by-id that survives re-plugging.
#include <optional>
#include <string>

struct SUsbAdapterFacts {
    std::string maker;
    std::string model;
    std::string serialNumber;
    std::string byIdPath;  // the /dev/serial/by-id link that names the device, "" when there is none
};

// Nothing when the device is no USB device (a built-in UART, a pseudo-terminal, a missing device).
// `sysRoot` ("/sys") and `devRoot` ("/dev") are other folders only in tests.
std::optional<SUsbAdapterFacts> GatherUsbAdapterFacts(const std::string& devicePath,
                                                      const std::string& sysRoot = "/sys",
                                                      const std::string& devRoot = "/dev");

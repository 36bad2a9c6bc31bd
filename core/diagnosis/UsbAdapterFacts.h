#pragma once
// What sysfs and udev's by-id links say about the USB serial adapter behind a device: its maker, model,
// serial number, the stable name under /dev/serial/by-id that survives re-plugging, and the latency
// timer of the drivers that have one (the adapter hands received bytes over when it runs out).
#include <optional>
#include <string>

struct SUsbAdapterFacts {
    std::string maker;
    std::string model;
    std::string serialNumber;
    std::string byIdPath;  // the /dev/serial/by-id link that names the device, "" when there is none
    std::optional<int> latencyTimerMs;  // nothing when the driver has no latency timer
    std::string latencyTimerFile;       // the sysfs attribute that sets it
};

// Nothing when the device is no USB device (a built-in UART, a pseudo-terminal, a missing device).
// `sysRoot` ("/sys") and `devRoot` ("/dev") are other folders only in tests.
std::optional<SUsbAdapterFacts> GatherUsbAdapterFacts(const std::string& devicePath,
                                                      const std::string& sysRoot = "/sys",
                                                      const std::string& devRoot = "/dev");

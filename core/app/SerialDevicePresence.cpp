#include "core/app/SerialDevicePresence.h"

#include <filesystem>

#include "core/app/SysfsFirstLine.h"

namespace fs = std::filesystem;

namespace {
constexpr std::string_view DEV_PREFIX = "/dev/";
constexpr std::string_view UART_PREFIX = "ttyS";
constexpr std::string_view PORT_TYPE_UNKNOWN = "0";
constexpr int USB_DEVICE_LEVELS = 4;  // port, interface, device (and one spare) above the tty

bool IsRuleDevice(std::string_view name) {
    return name.starts_with("ttyS") || name.starts_with("ttyUSB") || name.starts_with("ttyACM");
}

bool UartFound(const fs::path& ttyDir) {
    std::error_code ec;
    if (!fs::exists(ttyDir / "device" / "driver", ec)) return false;
    const std::string type = SysfsFirstLine(ttyDir / "type");
    return !type.empty() && type != PORT_TYPE_UNKNOWN;
}

// The maker and model of the USB device above the tty, where sysfs names them.
std::string AdapterName(const fs::path& ttyDir) {
    std::error_code ec;
    fs::path dir = fs::canonical(ttyDir / "device", ec);
    if (ec) return {};
    for (int level = 0; level < USB_DEVICE_LEVELS && !dir.empty(); ++level, dir = dir.parent_path()) {
        const std::string maker = SysfsFirstLine(dir / "manufacturer");
        const std::string model = SysfsFirstLine(dir / "product");
        if (maker.empty() && model.empty()) continue;
        return maker.empty() || model.empty() ? maker + model : maker + " " + model;
    }
    return {};
}
}  // namespace

std::optional<std::string> DescribeSerialDevice(const std::string& devicePath, const std::string& sysRoot) {
    std::error_code ec;
    const std::string name = fs::path(devicePath).filename().string();
    if (!devicePath.starts_with(DEV_PREFIX) || !IsRuleDevice(name)) {
        if (devicePath.empty() || !fs::exists(devicePath, ec)) return std::nullopt;
        return std::string();
    }
    const fs::path ttyDir = fs::path(sysRoot) / "class" / "tty" / name;
    if (!fs::exists(ttyDir / "device", ec)) return std::nullopt;
    if (name.starts_with(UART_PREFIX)) {
        if (!UartFound(ttyDir)) return std::nullopt;
        return std::string();
    }
    return AdapterName(ttyDir);
}

#include "core/diagnosis/UsbAdapterFacts.h"

#include <charconv>
#include <filesystem>

#include "core/app/SysfsFirstLine.h"

namespace fs = std::filesystem;

namespace {
constexpr int USB_DEVICE_LEVELS = 4;  // port, interface, device (and one spare) above the tty

// The USB device folder above the tty: the first one up the chain that has a vendor id.
std::optional<fs::path> UsbDeviceFolder(const fs::path& ttyClassEntry) {
    std::error_code ec;
    fs::path dir = fs::canonical(ttyClassEntry / "device", ec);
    if (ec) return std::nullopt;
    for (int level = 0; level < USB_DEVICE_LEVELS && !dir.empty(); ++level, dir = dir.parent_path()) {
        if (fs::exists(dir / "idVendor", ec)) return dir;
    }
    return std::nullopt;
}

// The by-id link whose target is the device, compared by the name it resolves to under `devRoot`.
std::string ByIdLinkOf(const std::string& deviceName, const fs::path& devRoot) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(devRoot / "serial" / "by-id", ec)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(entry.path(), linkError);
        if (!linkError && target.filename() == deviceName) return entry.path().string();
    }
    return {};
}
// The driver's latency timer (ftdi_sio and others keep it beside the tty's port device).
std::optional<int> LatencyTimerMs(const fs::path& file) {
    const std::string text = SysfsFirstLine(file);
    int ms = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return ms;
}
}  // namespace

std::optional<SUsbAdapterFacts> GatherUsbAdapterFacts(const std::string& devicePath,
                                                      const std::string& sysRoot,
                                                      const std::string& devRoot) {
    std::error_code ec;
    // A [Ports] mapping may name a link (by-id itself, or a udev alias): the tty is what it resolves to.
    fs::path device = fs::canonical(devicePath, ec);
    if (ec) device = devicePath;
    const std::string name = device.filename().string();
    if (name.empty()) return std::nullopt;
    const fs::path ttyEntry = fs::path(sysRoot) / "class" / "tty" / name;
    const std::optional<fs::path> usb = UsbDeviceFolder(ttyEntry);
    if (!usb) return std::nullopt;
    const fs::path latencyFile = ttyEntry / "device" / "latency_timer";
    const std::optional<int> latency = LatencyTimerMs(latencyFile);
    return SUsbAdapterFacts{SysfsFirstLine(*usb / "manufacturer"),
                            SysfsFirstLine(*usb / "product"),
                            SysfsFirstLine(*usb / "serial"),
                            ByIdLinkOf(name, devRoot),
                            latency,
                            latency ? latencyFile.string() : std::string()};
}

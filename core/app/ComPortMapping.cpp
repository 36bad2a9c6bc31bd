#include "core/app/ComPortMapping.h"

namespace {

struct SDeviceRange {
    int firstCom;
    int lastCom;
    const char* devicePrefix;
};

constexpr SDeviceRange DEVICE_RANGES[] = {
    {1, 32, "/dev/ttyS"},
    {33, 64, "/dev/ttyUSB"},
    {65, 96, "/dev/ttyACM"},
};

}  // namespace

std::string ComPortDevicePath(int comNumber, const std::map<int, std::string>& overrides) {
    if (const auto mapped = overrides.find(comNumber); mapped != overrides.end() && !mapped->second.empty()) {
        return mapped->second;
    }
    for (const SDeviceRange& range : DEVICE_RANGES) {
        if (comNumber >= range.firstCom && comNumber <= range.lastCom) {
            return range.devicePrefix + std::to_string(comNumber - range.firstCom);
        }
    }
    return {};
}

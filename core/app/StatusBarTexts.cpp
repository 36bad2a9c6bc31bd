#include "core/app/StatusBarTexts.h"

#include <cstdio>

#include "core/app/texts/CommonText.h"

namespace {

constexpr int COMMON_TEXT_PORT = 277;
constexpr int COMMON_TEXT_BAUDRATE = 278;
constexpr int COMMON_TEXT_COM_FORMAT = 445;

}  // namespace

std::string ProgramVersionText() {
    char text[64];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", GW_VERSION_MAJOR, GW_VERSION_MINOR, GW_VERSION_PATCH,
                  GW_VERSION_TWEAK);
    return text;
}

std::string PortStatusText(std::uint32_t bps, int portNum) {
    char port[32];
    std::snprintf(port, sizeof port, CommonTextAt(COMMON_TEXT_COM_FORMAT).c_str(), portNum);
    return CommonTextAt(COMMON_TEXT_BAUDRATE) + ":" + std::to_string(bps) + "   " +
           CommonTextAt(COMMON_TEXT_PORT) + ":" + port;
}

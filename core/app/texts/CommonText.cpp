#include "core/app/texts/CommonText.h"

// The general texts this tool uses; every other slot is an empty text.
namespace {
constexpr std::array<std::string_view, COMMON_TEXT_SLOTS> BuildCommonText() {
    std::array<std::string_view, COMMON_TEXT_SLOTS> t{};
    t[1] = "&File";
    t[4] = "&Monitor";
    t[5] = "&Setting";
    t[7] = "&Help";
    t[11] = "&New file";
    t[12] = "&Open...";
    t[19] = "E&xit";
    t[66] = "Close";
    t[69] = "OK";
    t[70] = "Cancel";
    t[115] = "Warning";
    t[116] = "Information";
    t[117] = "Confirmation";
    t[118] = "Alarm";
    t[228] = "ON";
    t[229] = "OFF";
    t[275] = "Setting of communications";
    t[277] = "Port";
    t[278] = "Baudrate(bps)";
    t[445] = "COM%d";
    t[446] = "\\\\.\\COM%d";
    t[501] = "mode";
    t[514] = "Address";
    t[517] = "Data";
    return t;
}
}  // namespace

extern constexpr std::array<std::string_view, COMMON_TEXT_SLOTS> CommonText = BuildCommonText();

std::string CommonTextAt(int index) {
    if (index < 0 || index >= static_cast<int>(COMMON_TEXT_SLOTS)) return {};
    return std::string(CommonText[static_cast<std::size_t>(index)]);
}

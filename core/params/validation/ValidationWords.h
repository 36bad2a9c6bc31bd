#pragma once
// Small predicates on axis words shared by the preparation and the checks.
#include <cstdint>

#include "core/params/image/AxisModeTable.h"
#include "core/params/image/IoBytes.h"
#include "core/params/image/ParameterImage.h"

// The word holds the mode, reserved or not.
inline constexpr bool IsMode(std::uint16_t word, std::uint16_t mode) {
    return AxisModeCode(word) == mode;
}

// KAVELIS 2W codes 0010h..0012h, with or without the reserve flag.
inline constexpr bool IsKavelis2WCode(std::uint16_t word) {
    return IsMode(word, MODE_POINT2) || IsMode(word, MODE_SOL1) || IsMode(word, MODE_SOL2);
}

// KAVELIS 4W / 8W codes: 0000h, 0001h, 0003h, 0004h, 8000h, 8001h, 8003h.
inline constexpr bool IsKavelis4W8WCode(std::uint16_t word) {
    return word == 0x0000 || word == 0x0001 || word == 0x0003 || word == 0x0004 || word == 0x8000 ||
           word == 0x8001 || word == 0x8003;
}

// A VOSK / NUB3 GW slot whose mode is not set.
inline constexpr bool IsModeNotSet(std::uint16_t word) {
    return word == AXIS_NOT_SET || word == AXIS_NOT_SET_ALT;
}

// The CC-Link rules count an empty 2W slot 0 as the 2W arrangement as well.
inline bool IsKavelis2WForCcLink(const ParameterImage& image) {
    return IsKavelis2WArrangement(image.AxisMode[0]) || image.AxisMode[0] == AXIS_EMPTY_2W;
}

// The KAVELIS data size as the unit decides the arrangement: by slot 0.
inline int KavelisDataSizeOf(const ParameterImage& image) {
    return KavelisDataSize(image, IsKavelis2WArrangement(image.AxisMode[0]));
}

// The serial baud-rate codes of the TP port and of RS485 (9600, 19200, 38400, 57600, 115200, 230400).
inline constexpr bool IsSerialBaudCode(std::uint16_t code) {
    return code == 4 || code == 5 || code == 6 || code == 19 || code == 20 || code == 21;
}

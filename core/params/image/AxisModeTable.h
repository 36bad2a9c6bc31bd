#pragma once
// The axis operation modes the gateway knows, with their names, sizes and the DRAVO group that offers
// them. The DRAVO drive-unit mode lists are built from this table.
#include <array>
#include <cstdint>

#include "core/app/GwType.h"

// Mode codes of the axis words (bits 0..14).
inline constexpr std::uint16_t MODE_SIMPLE = 0x0000;
inline constexpr std::uint16_t MODE_POINT1 = 0x0001;
inline constexpr std::uint16_t MODE_FULL = 0x0003;
inline constexpr std::uint16_t MODE_FULL_SECOND = 0x0004;  // second slot of a KAVELIS Full axis
inline constexpr std::uint16_t MODE_FULL2 = 0x0005;
inline constexpr std::uint16_t MODE_POINT2 = 0x0010;
inline constexpr std::uint16_t MODE_SOL1 = 0x0011;
inline constexpr std::uint16_t MODE_SOL2 = 0x0012;
inline constexpr std::uint16_t MODE_POINT3 = 0x0020;
inline constexpr std::uint16_t MODE_TEV_IO = 0x0030;
inline constexpr std::uint16_t MODE_REMOTE_IO = 0x0031;
inline constexpr std::uint16_t MODE_SERVO_A = 0x0040;
inline constexpr std::uint16_t MODE_SERVO_P = 0x0041;
inline constexpr std::uint16_t MODE_SERVO_UNUSED = 0x0042;

// Size codes.
inline constexpr std::uint16_t SIZE_8W = 0x80;
inline constexpr std::uint16_t SIZE_4W = 0x40;
inline constexpr std::uint16_t SIZE_2W = 0x20;
inline constexpr std::uint16_t SIZE_1W = 0x10;
inline constexpr std::uint16_t SIZE_NIBBLE = 0x04;

// DRAVO groups (`DravoMode`).
inline constexpr std::uint16_t DRAVO_GROUP_DIRECT_POSITIONER = 1;
inline constexpr std::uint16_t DRAVO_GROUP_REMOTE_IO = 2;

// One entry: seven words.
struct SAxisModeEntry {
    std::uint16_t textIndex;  // UiText index of the name (26, the empty text, for unnamed entries)
    std::uint16_t code;
    std::uint16_t codeAgain;
    std::uint16_t sizeCode;  // below 10h shown as "nibble", otherwise sizeCode / 16 words
    std::uint16_t dravoGroup;
    std::uint16_t zero;
    std::uint16_t gwTypes;  // gateway types offering the mode
};

inline constexpr std::size_t AXIS_MODE_ENTRIES = 15;
extern const std::array<SAxisModeEntry, AXIS_MODE_ENTRIES> AxisModeTable;

// Whether the size code is shown as "nibble" rather than as a number of words.
inline constexpr bool IsNibbleSize(std::uint16_t sizeCode) {
    return sizeCode < 0x10;
}

#pragma once
// The PC speeds the tool offers, by the index kept in the settings (`CurrentBaudIndex`).
#include <array>

inline constexpr std::array<int, 7> BaudTable = {9600, 19200, 38400, 57600, 115200, 230400, 460800};

inline constexpr bool IsValidBaudIndex(int baudIndex) {
    return baudIndex >= 0 && baudIndex < static_cast<int>(BaudTable.size());
}

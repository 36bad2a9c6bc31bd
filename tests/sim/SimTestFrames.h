#pragma once
// Frames for the simulator's tests, written as hex text ("D003F1000010").
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/Crc16Modbus.h"

using SimBytes = std::vector<std::uint8_t>;

inline SimBytes HexBytes(std::string_view hex) {
    SimBytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

// The frame of the hex text with its CRC appended.
inline SimBytes Frame(std::string_view hex) {
    SimBytes bytes = HexBytes(hex);
    const std::uint16_t crc = Crc16Modbus(bytes.data(), bytes.size());
    bytes.push_back(static_cast<std::uint8_t>(crc >> 8));
    bytes.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return bytes;
}

inline std::string HexText(const SimBytes& bytes) {
    static constexpr char DIGITS[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        text.push_back(DIGITS[b >> 4]);
        text.push_back(DIGITS[b & 0x0F]);
    }
    return text;
}

#pragma once
// Conversions between request texts of hexadecimal digits, frame bytes and big-endian values.
#include <cstddef>
#include <cstdint>
#include <string_view>

// Converts hex digits to bytes: even positions set a byte to nibble x 16, odd positions add the nibble
// and move on. Returns 0, or -1 at the first character that is not 0-9, A-F or a-f. `out` must hold
// text.size() / 2 bytes (an odd last digit is written to out[text.size() / 2] and then dropped, so give
// room for one more).
int HexTextToBytes(std::string_view text, std::uint8_t* out);

inline std::uint16_t GetBE16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}

inline std::uint32_t GetBE32(const std::uint8_t* bytes) {
    return (static_cast<std::uint32_t>(bytes[0]) << 24) | (static_cast<std::uint32_t>(bytes[1]) << 16) |
           (static_cast<std::uint32_t>(bytes[2]) << 8) | bytes[3];
}

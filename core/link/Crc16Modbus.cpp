#include "core/link/Crc16Modbus.h"

namespace {

// Reflected CRC-16 (polynomial A001h) of one byte shifted through a zero register.
constexpr std::uint16_t ReflectedCrcOfByte(unsigned index) {
    std::uint16_t crc = static_cast<std::uint16_t>(index);
    for (int bit = 0; bit < 8; ++bit) {
        crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u)
                         : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}

// The register is kept as two bytes: "high" is the byte sent first, which is the low-order byte of the
// reflected CRC value, so its table holds the low-order bytes.
constexpr std::array<std::uint8_t, 256> MakeTable(bool highTable) {
    std::array<std::uint8_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        const std::uint16_t crc = ReflectedCrcOfByte(i);
        table[i] = static_cast<std::uint8_t>(highTable ? (crc & 0xFFu) : (crc >> 8));
    }
    return table;
}

}  // namespace

const std::array<std::uint8_t, 256> CrcHighTable = MakeTable(true);
const std::array<std::uint8_t, 256> CrcLowTable = MakeTable(false);

std::uint16_t Crc16Modbus(const std::uint8_t* bytes, std::size_t length) {
    std::uint8_t high = 0xFF;
    std::uint8_t low = 0xFF;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t index = high ^ bytes[i];
        high = low ^ CrcHighTable[index];
        low = CrcLowTable[index];
    }
    return static_cast<std::uint16_t>((high << 8) | low);
}

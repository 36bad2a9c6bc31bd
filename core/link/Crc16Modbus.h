#pragma once
// CRC-16 of Modbus over serial line, by the classic pair of 256-byte lookup tables.
#include <array>
#include <cstddef>
#include <cstdint>

// The "high" and "low" tables: entry i is the byte each half of the register takes when the index
// byte i is shifted through the reflected polynomial A001h.
extern const std::array<std::uint8_t, 256> CrcHighTable;
extern const std::array<std::uint8_t, 256> CrcLowTable;

// Returns the CRC as one value whose high byte is the byte sent first (01 03 00 00 00 01 gives 840Ah).
std::uint16_t Crc16Modbus(const std::uint8_t* bytes, std::size_t length);

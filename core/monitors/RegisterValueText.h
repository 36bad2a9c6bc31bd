#pragma once
// How the register monitor writes a register value: four hexadecimal digits, or sixteen binary digits
// in four groups of four.
#include <cstdint>
#include <string>

// "%04hX": 0012h gives "0012".
std::string RegisterHexText(std::uint16_t value);
// Sixteen binary digits, most significant first, a blank before digits 5, 9 and 13 (19 characters):
// 0012h gives "0000 0000 0001 0010".
std::string RegisterBinText(std::uint16_t value);
std::string RegisterValueText(std::uint16_t value, bool binaryView);

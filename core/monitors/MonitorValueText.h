#pragma once
// How the monitors write the words they read: tenths in general notation (trailing zeros dropped) and
// plain unsigned decimal.
#include <cstdint>
#include <string>

// word × 0.1 in general notation: 15 gives "1.5", 120 gives "12", 0 gives "0".
std::string TenthsText(std::uint16_t word);
// word × factor in unsigned decimal.
std::string ScaledDecimalText(std::uint16_t word, unsigned factor = 1);

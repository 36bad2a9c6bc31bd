#pragma once
// The TP port speeds `cbTBPS` offers (VOSK-LC) and their `TBPS` codes.
#include <array>
#include <cstdint>

inline constexpr std::array<int, 6> TP_PORT_SPEEDS = {9600, 19200, 38400, 57600, 115200, 230400};

// The `cbTBPS` position of a `TBPS` code: an unknown code counts as 9600; the codes of speeds the list
// does not hold (14400, 28800, 76800, 460800) select nothing (-1).
int TpPortSpeedPosition(std::uint16_t tbps);

// The `TBPS` code of a `cbTBPS` position; 20 (115200) for a position without a code.
std::uint16_t TpPortCodeAt(int position);

#pragma once
// The speed codes the unit's serial port understands (45h sub-function 04h, TBPS).
#include <cstdint>

// Bits per second of a speed code, or 0 for a code the unit does not know.
int SimBpsOfSpeedCode(std::uint16_t code);

#pragma once
// The gateway's codes for the speed of its serial port (broadcast 45h/04h, and the VOSK-LC
// "TP Port Baud Rate" parameter).
#include <cstdint>

// The code of `bps`, or -1 for a speed the gateway does not know (sent as FFFF).
int SpeedCodeOf(int bps);
// The speed of `code`; 9600 for a code the gateway does not know.
int BpsOfSpeedCode(std::uint16_t code);

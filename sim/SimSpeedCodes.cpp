#include "sim/SimSpeedCodes.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<std::uint16_t, int>, 10> SPEED_CODES{{{0x0004, 9600},
                                                                     {0x0011, 14400},
                                                                     {0x0005, 19200},
                                                                     {0x0012, 28800},
                                                                     {0x0006, 38400},
                                                                     {0x0013, 57600},
                                                                     {0x0007, 76800},
                                                                     {0x0014, 115200},
                                                                     {0x0015, 230400},
                                                                     {0x0100, 460800}}};
}

int SimBpsOfSpeedCode(std::uint16_t code) {
    for (const auto& [speedCode, bps] : SPEED_CODES) {
        if (speedCode == code) return bps;
    }
    return 0;
}

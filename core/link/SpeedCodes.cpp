#include "core/link/SpeedCodes.h"

#include <array>

namespace {

struct SSpeedCode {
    int bps;
    std::uint16_t code;
};

constexpr std::array<SSpeedCode, 10> SpeedCodeTable = {{
    {9600, 0x0004},
    {14400, 0x0011},
    {19200, 0x0005},
    {28800, 0x0012},
    {38400, 0x0006},
    {57600, 0x0013},
    {76800, 0x0007},
    {115200, 0x0014},
    {230400, 0x0015},
    {460800, 0x0100},
}};

constexpr int DEFAULT_BPS = 9600;

}  // namespace

int SpeedCodeOf(int bps) {
    for (const auto& entry : SpeedCodeTable) {
        if (entry.bps == bps) return entry.code;
    }
    return -1;
}

int BpsOfSpeedCode(std::uint16_t code) {
    for (const auto& entry : SpeedCodeTable) {
        if (entry.code == code) return entry.bps;
    }
    return DEFAULT_BPS;
}

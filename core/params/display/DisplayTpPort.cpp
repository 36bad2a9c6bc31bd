#include "core/params/display/DisplayTpPort.h"

#include "core/link/SpeedCodes.h"

namespace {
constexpr std::uint16_t TBPS_DEFAULT_CODE = 20;
}

int TpPortSpeedPosition(std::uint16_t tbps) {
    const int bps = BpsOfSpeedCode(tbps);
    for (std::size_t i = 0; i < TP_PORT_SPEEDS.size(); ++i)
        if (TP_PORT_SPEEDS[i] == bps) return static_cast<int>(i);
    return -1;
}

std::uint16_t TpPortCodeAt(int position) {
    if (position < 0 || position >= static_cast<int>(TP_PORT_SPEEDS.size())) return TBPS_DEFAULT_CODE;
    const int code = SpeedCodeOf(TP_PORT_SPEEDS[static_cast<std::size_t>(position)]);
    return code < 0 ? TBPS_DEFAULT_CODE : static_cast<std::uint16_t>(code);
}

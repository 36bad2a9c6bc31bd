#include "core/link/GatewaySpeedSwitch.h"

#include <array>
#include <cstdio>

#include "core/link/ModbusFrame.h"
#include "core/link/SpeedCodes.h"

namespace {

constexpr int SPEED_SWITCH_BAUD_INDEX = 0;  // every sequence starts at 9600 bit/s
constexpr unsigned BROADCAST_ADDRESS = 0x00;
constexpr unsigned SUB_FUNCTION_SPEED = 0x04;
constexpr unsigned short SPEED_WORD_2 = 0x0005;

}  // namespace

std::string SpeedBroadcastText(int bps) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%02X%02X%02X%02X%04hX%04hX", BROADCAST_ADDRESS, unsigned{FN_VENDOR},
                  0u, SUB_FUNCTION_SPEED, static_cast<unsigned short>(SpeedCodeOf(bps)), SPEED_WORD_2);
    return text.data();
}

// A raw TCP server's serial line stays at the speed it was configured with: the configured speed is
// that speed, the broadcast goes out at it and tells the unit to stay there. Going to 9600 bit/s and the
// break, which raw TCP cannot carry, are left out; a unit sent to any other speed would be lost to the
// tool until its next restart.
int SwitchGatewaySpeed(const TransactFunction& transact, CCommUnit& link, int currentBaudIndex) {
    if (link.ControlsLineSpeed()) {
        link.ChangeBaud(SPEED_SWITCH_BAUD_INDEX);
        link.Pause(SPEED_SWITCH_SETTLE_MS);
        link.SendBreak(SPEED_SWITCH_BREAK_MS);
        link.Pause(SPEED_SWITCH_AFTER_BREAK_MS);
    }
    const int bps =
        IsValidBaudIndex(currentBaudIndex) ? BaudTable[static_cast<std::size_t>(currentBaudIndex)] : 0;
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
    const int result = transact(SpeedBroadcastText(bps), reply.data(), replyLength);
    link.ChangeBaud(currentBaudIndex);
    return result;
}

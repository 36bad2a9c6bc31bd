#pragma once
// The sequence that opens every series of exchanges: the gateway is told, at 9600 bit/s after a break,
// to go to the PC's configured speed, and the PC follows. Over raw TCP, whose server keeps its own serial
// speed, only the broadcast goes out, at that speed.
#include "core/link/CommUnit.h"
#include "core/link/ModbusTransaction.h"

inline constexpr int SPEED_SWITCH_SETTLE_MS = 100;
inline constexpr int SPEED_SWITCH_BREAK_MS = 200;
inline constexpr int SPEED_SWITCH_AFTER_BREAK_MS = 300;

// The request text of the speed broadcast for `bps` ("0045000400140005" for 115200).
std::string SpeedBroadcastText(int bps);

// Runs the sequence through `transact` (the caller's own transaction) and returns the broadcast's
// result. The speed changes' own results are not checked: a failed one leaves the old speed.
int SwitchGatewaySpeed(const TransactFunction& transact, CCommUnit& link, int currentBaudIndex);

#pragma once
// The line between master and unit as the shell's faults make it: bytes sent at one speed and received
// at another (what a UART at the wrong speed makes of them), and the speed the master has set its side
// of the pseudo-terminal to.
#include <cstdint>
#include <vector>

#include "sim/SimFaults.h"

// What a receiver at `receiverBps` reads from `bytes` sent back to back at `senderBps`, 8N1: it waits for
// a falling edge, takes the start bit, samples each bit in the middle of its own bit time and the stop
// bit likewise (a byte with a broken stop bit is still delivered). Equal speeds give the bytes unchanged.
std::vector<std::uint8_t> ReceivedAtSpeed(const std::vector<std::uint8_t>& bytes, int senderBps,
                                          int receiverBps);

// The speed a terminal is set to (its output speed), 0 when it cannot be told.
int TerminalBps(int fd);

// The request as the unit hears it, and the reply as the master hears it, at `masterBps`.
std::vector<std::uint8_t> RequestAsUnitHearsIt(const std::vector<std::uint8_t>& request,
                                               const SSimFaults& faults, int masterBps);
std::vector<std::uint8_t> ReplyAsMasterHearsIt(const std::vector<std::uint8_t>& reply,
                                               const SSimFaults& faults, int masterBps);

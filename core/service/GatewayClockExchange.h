#pragma once
// The two exchanges with the gateway's clock: set it (vendor function 45h, sub-function 18h, answered
// with a status byte) and read it (F172h..F173h). Both run under the main window's `commBusy`.
#include <cstdint>

#include "core/procedures/Session.h"

inline constexpr std::uint16_t REG_GATEWAY_CLOCK = 0xF172;  // F172h..F173h, high word first

enum class EClockSetOutcome {
    Done,
    NotManu,  // status 2Eh: the unit accepts a time only in MANU mode
    BadTime,  // status 11h: the unit refused the value
    Failed,   // the exchange failed
};

// Sends `seconds` to the gateway's clock.
EClockSetOutcome SendGatewayTime(CSession& session, std::uint32_t seconds);
// Shows the message of an outcome: "TimeData transmit finish.", the MANU warning, "TimeData Error" or
// "TimeData transmit failure".
void ShowClockSetOutcome(HostServices& host, EClockSetOutcome outcome);

// Reads the gateway's clock: 0 with `seconds`, or the transaction's result.
int ReadGatewayTime(CSession& session, std::uint32_t& seconds);

#pragma once
// The registers of a running unit that change with time: the clock, the diagnostic counters, the
// hardware supervision values and the cyclic I/O areas. Each area is only touched when the unit has it.
#include <cstdint>

#include "sim/SimRegisterBank.h"

// The part of a unit's running state that is not in its registers.
struct SSimLiveState {
    long long clockCarryMs = 0;  // milliseconds of the clock's current second already gone
};

// Moves the live registers from `fromMs` to `toMs` of simulated time (milliseconds since the line
// came up). Counters and the clock advance by the whole periods crossed; values that move follow
// fixed waves of the time, so the same moment always shows the same values.
void AdvanceLiveRegisters(CSimRegisterBank& bank, SSimLiveState& state, long long fromMs, long long toMs);

// Sets the clock: the new second starts now.
void SetUnitClock(CSimRegisterBank& bank, SSimLiveState& state, std::uint32_t seconds);

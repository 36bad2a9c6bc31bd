#pragma once
// One poll of one kind of value from one unit, through the same monitors the desktop tool's windows
// run: the alarm list's read, the diagnostic counters' tick and the hardware monitor's tick. The
// session must be set to the unit (type, slave address, firmware version) and its port open.
#include "core/fleet/FleetPlan.h"
#include "core/fleet/GatewayReadings.h"
#include "core/procedures/Session.h"

// Whether the desktop tool offers the monitor of `kind` for the type (and the KAVELIS firmware).
bool OffersReading(GwType type, std::uint16_t firmware, EReadingKind kind);

// Reads the unit's firmware version and network type into `readings` and the session's image: 0, or
// the transaction's failure.
int ReadUnitIdentity(CSession& session, SGatewayReadings& readings, WallClock::time_point now);

// Reads the values of `kind` into `readings`: 0, or the failure of the read.
int ReadKind(CSession& session, EReadingKind kind, SGatewayReadings& readings, WallClock::time_point now);

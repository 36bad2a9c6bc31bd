#pragma once
// A restart makes a unit answer at the address of the unit number its new set gives it. When another
// unit already answers there, the two would hide each other from then on: a write asks first.
#include <optional>

#include "core/procedures/Session.h"

// The unit number the session's set gives the unit, when its address is not the one the tool talks to
// (`GwSlaveAddress`) and a unit already answers Report Slave ID there; nothing otherwise (and for the
// types without unit numbers). The port must be open at the configured speed.
std::optional<int> UnitAnsweringAtNewAddress(CSession& session);

// Before a write: when a unit answers at the new address, the question whether to write anyway, with
// that unit named below it. True when the write may go on.
bool WriteDespiteUnitAtNewAddress(CSession& session);

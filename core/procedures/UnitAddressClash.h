#pragma once
// A restart makes a unit answer at the address of the unit number its new set gives it. When another
// unit already answers there, the two would hide each other from then on: write --restart checks that
// address first.
#include <optional>

#include "core/procedures/Session.h"

// The unit number the session's set gives the unit, when that differs from `writtenUnitNo` and a unit
// already answers Report Slave ID at its address; nothing otherwise (and for the types without unit
// numbers).
std::optional<int> UnitAnsweringAtNewAddress(CSession& session, int writtenUnitNo);

#pragma once
// The unit a command talked to, as every JSON document names it: {"unit_number", "slave_address",
// "axis_slots"}; the types without unit numbers give the slave address alone.
#include "cli/console/CliJson.h"
#include "cli/session/CliSessionSetup.h"

CliJson UnitJson(GwType type, std::uint8_t slaveAddress, int unitNo, int axisSlots);
CliJson UnitJson(const CSession& session, const SUnitChoice& unit);

#pragma once
// What a freshly powered simulated unit holds, per gateway type: its register areas and their contents.
#include <chrono>
#include <cstdint>

#include "core/app/GwType.h"
#include "sim/SimConfig.h"
#include "sim/SimRegisterBank.h"

// Maps every register area the type has and fills it with plausible contents for unit `unitNo`.
void BuildUnitRegisters(CSimRegisterBank& bank, const SSimConfig& config, int unitNo);

// The slave address a unit answers at: 3Fh for KAVELIS, D0h for NUB3 GW, D0h + unit number otherwise.
std::uint8_t SlaveAddressOf(GwType type, int unitNo);

// How long a unit stays silent after the restart coil: KAVELIS is back within the 500 ms the tool gives
// it, the other types within their 2500 ms.
std::chrono::milliseconds RestartSilenceOf(GwType type);

// The slave-ID byte of the Report Slave ID reply.
std::uint8_t SlaveIdByteOf(GwType type);

// The gateway time of a calendar date (2000..2099), in seconds since 2000-01-01 00:00:00.
std::uint32_t GatewaySecondsOf(int year, int month, int day, int hour, int minute, int second);

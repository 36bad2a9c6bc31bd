#pragma once
// The DRAVO driver supervision parameters on the unit (F800h..F825h): read them all, and write them all
// in one request with the MANU-mode check and the optional restart. Both refuse to start while another
// exchange runs, prepare the link themselves and tell the user of a failure at their end.
#include "core/advanced/DriverParameterTable.h"
#include "core/procedures/Session.h"

// Result codes of the driver parameter exchanges.
inline constexpr int DRIVER_PORT_OPEN_FAILED = 768;
inline constexpr int DRIVER_UNIT_IN_AUTO_MODE = 4095;
inline constexpr int DRIVER_EXCHANGE_FAILED = 32771;

// 0 with the 38 registers; 768 shows "Communication port open error", 32771 "Data read failure".
int ReadDriverParameters(CSession& session, DriverRegisters& registers);

struct SDriverWriteResult {
    int code = 0;            // 0, 768, 4095 or 32771; the user has seen its message
    bool written = false;    // the unit took the values
    bool restarted = false;  // the restart coil was accepted and the link prepared again
};

// Writes the registers after the unit is seen in MANU mode (three reminders, then the AUTO-mode
// warning); then asks whether to restart the unit, and on Yes reads the unit number the unit holds,
// restarts it, waits 3 s, takes the slave address of that number and prepares the link again.
SDriverWriteResult WriteDriverParameters(CSession& session, const DriverRegisters& registers);

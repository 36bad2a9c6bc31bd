#pragma once
// Brings a session to where the Monitor menu leaves the desktop tool before a monitor window opens: the
// unit chosen, the main window laid out, the port open with the unit at the configured speed, and the
// Monitor menu enabled. What only some monitors need comes as one further step.
#include "cli/console/CliArguments.h"
#include "cli/console/ConsoleHost.h"
#include "core/procedures/Session.h"

enum class EMonitorNeeds {
    // The port at the configured speed and, for KAVELIS, the firmware version (it decides what the
    // alarm, counter and hardware monitors offer).
    Connection,
    // The whole parameter set read as the Read button does: the register and axis monitors lay
    // themselves out by it.
    Parameters,
};

// CLI_OK, or CLI_FAILED after the reason was printed.
int ConnectForMonitor(CSession& session, CConsoleHost& host, const SCliArguments& arguments,
                      EMonitorNeeds needs);

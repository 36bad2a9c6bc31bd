#pragma once
// Brings a session to where the Monitor menu leaves the desktop tool before a monitor window opens:
// the unit chosen, the port open and the unit at the configured speed, the main window laid out and,
// for KAVELIS, the firmware version known (it decides what the monitors offer).
#include "cli/CliArguments.h"
#include "cli/ConsoleHost.h"
#include "core/procedures/Session.h"

// CLI_OK, or CLI_FAILED after the reason was printed.
int ConnectForMonitor(CSession& session, CConsoleHost& host, const SCliArguments& arguments);

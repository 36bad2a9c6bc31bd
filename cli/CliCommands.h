#pragma once
// The commands of gwcli, each on the core procedures the desktop tool runs for the same action.
// Each returns an exit status (CliExitStatus.h).
#include <cstdio>

#include "cli/CliArguments.h"
#include "cli/ConsoleHost.h"

// search: the unit search; one line "unit N slots M" on `out` per unit found.
int RunSearchCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out);
// read FILE: the Read button, then Save to FILE.
int RunReadCommand(const SCliArguments& arguments, CConsoleHost& host);
// write FILE: Open FILE, then the Write button; restart and different network type as asked.
int RunWriteCommand(const SCliArguments& arguments, CConsoleHost& host);
// check FILE: Open FILE, then the checks of Save; no unit, no file written.
int RunCheckCommand(const SCliArguments& arguments, CConsoleHost& host);
// show FILE: Open FILE and print the parameter set on `out`.
int RunShowCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out);
// alarms [--csv FILE] [--clear]: the alarm list window's read (after its Clear), its CSV file, its rows.
int RunAlarmsCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out);
// counters [--clear NAME|all] [--watch MS] [--count N]: the diagnostic counters window's readings.
int RunCountersCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out, std::FILE* err);
// hardware [--watch MS] [--count N]: the hardware monitor window's readings.
int RunHardwareCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out);

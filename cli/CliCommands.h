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
// time [--set now|"YYYY-MM-DD hh:mm:ss"] [--json]: the unit's clock read, or set as the time setting
// dialog's Write sets it; the clock's text (or JSON) on `out`.
int RunTimeCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out);
// edit FILE [--ip|--mask|--gateway A.B.C.D] [--unit-number N] [--top-axis N] [--multidrop on|off]: Open
// FILE, apply the unit number and EtherNet/IP dialogs' rules, then Save FILE with Save's checks.
int RunEditCommand(const SCliArguments& arguments, CConsoleHost& host);

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
// options FILE: Open FILE and print every option row the specialty / gateway parameter bit dialog shows.
int RunOptionsCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out);
// edit FILE --option "LABEL=CHOICE"...: Open FILE, choose the option rows' list texts, Save to FILE.
int RunEditCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* err);
// driver [--set "NAME=VALUE"...] [--restart]: DRAVO's driver monitor parameters, read and written back.
int RunDriverCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out, std::FILE* err);

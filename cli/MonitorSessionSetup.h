#pragma once
// Brings a gwcli session to where the desktop tool stands when its Monitor menu offers the monitors: the
// unit chosen, its parameters read (which enables the menu and puts the gateway on the configured speed).
#include "cli/CliArguments.h"
#include "cli/ConsoleHost.h"
#include "core/procedures/Session.h"

// True when the unit's parameters were read; otherwise the reason has been printed.
bool PrepareMonitorSession(CSession& session, CConsoleHost& host, const SCliArguments& arguments);

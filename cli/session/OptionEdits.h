#pragma once
// The option part of `edit FILE`: each --option "LABEL=CHOICE" chooses a list text in an option row of
// the specialty or gateway parameter bit dialog, as the dialog shows it for the file's type, firmware
// and mode.
#include <string>
#include <vector>

#include "cli/console/ConsoleHost.h"
#include "core/procedures/Session.h"

// Applies the options in order: CLI_OK, or CLI_USAGE after gwcli's reason that names the nearest labels
// or choices (the set is then not to be saved).
int ApplyOptionEdits(CSession& session, const std::vector<std::string>& options, CConsoleHost& host);

#pragma once
// The field part of `edit FILE`: each --set "NAME=VALUE" sets a field of the main window by its name
// through the window's own handler and refresh, in the order given.
#include <string>
#include <vector>

#include "cli/console/ConsoleHost.h"
#include "core/procedures/Session.h"

// Applies the settings in order. CLI_OK; CLI_USAGE after gwcli's reason (a name the window does not
// show, naming the nearest; a value it does not offer, naming the choices; a field it disables, with
// why); CLI_FAILED after the window's own message for a value it refuses. In the last two cases the set
// is not to be saved. `setRegisters` receives the registers of the fields named.
int ApplyFieldEdits(CSession& session, const std::vector<std::string>& settings, CConsoleHost& host,
                    std::vector<unsigned>& setRegisters);

// The lines of what the settings changed besides the fields they name, as `check` names a change the
// window made: `fileSet` is the set as the file held it, `session` the set after the settings.
void PrintFieldEditSideEffects(CConsoleHost& host, const ParameterImage& fileSet, const CSession& session,
                               const std::vector<unsigned>& setRegisters);

#pragma once
// The --set part of `driver`: each "NAME=VALUE" (NAME the parameter's symbol, e.g. OMPV) goes into the
// driver parameter grid as the user would type it, and is checked against the parameter's limits.
#include <string>
#include <vector>

#include "cli/ConsoleHost.h"
#include "core/advanced/DrvObsrvState.h"

// CLI_OK with the values in the grid; CLI_USAGE after a line on `err` for a name the grid does not have
// (the nearest named) or a fixed parameter; CLI_FAILED after the dialog's limit message.
int ApplyDriverSettings(SDrvObsrvState& grid, const std::vector<std::string>& settings, CConsoleHost& host,
                        std::FILE* err);

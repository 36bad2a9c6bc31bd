#pragma once
// The --set part of `driver`: each "NAME=VALUE" (NAME the parameter's symbol, e.g. OMPV) goes into the
// driver parameter grid as the user would type it, and is checked against the parameter's limits.
#include <string>
#include <vector>

#include "cli/console/ConsoleHost.h"
#include "core/advanced/DrvObsrvState.h"

// The usage error of the settings, "" when there is none: a setting not of the form NAME=VALUE, a name
// the grid does not have (the nearest named) or a fixed parameter.
std::string DriverSettingsProblem(const std::vector<std::string>& settings);
// Types each value into its row: false after the dialog's limit message.
bool ApplyDriverSettings(SDrvObsrvState& grid, const std::vector<std::string>& settings, CConsoleHost& host);

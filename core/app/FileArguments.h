#pragma once
// Parameter files handed to the tool on the command line or dropped on the main window: only one at a
// time.
#include <optional>
#include <string>
#include <vector>

#include "core/app/HostServices.h"

struct SCommandLineOutcome {
    std::optional<std::string> fileToOpen;  // the one parameter file to open
    bool disableMonitorMenu = false;        // any argument disables `MenuMoniter1`
};

// One argument is the file to open; two or more show the error box "Please choose a file only one."
// and open nothing.
SCommandLineOutcome HandleCommandLine(const std::vector<std::string>& arguments, HostServices& host);

// Several dropped files show the same error box; one is the file to open.
std::optional<std::string> HandleDroppedFiles(const std::vector<std::string>& files, HostServices& host);

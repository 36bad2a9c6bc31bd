#pragma once
// The command line of gwparacfg: parameter files to open, and the options for tests, screenshots and
// demonstrations that preselect the gateway type and skip start dialogs.
#include <string>
#include <vector>

#include "core/app/GwType.h"

struct SStartOptions {
    std::vector<std::string> files;  // parameter files (one is opened; more are refused at start)
    GwType type = GW_NONE;           // --type: the gateway type; the type dialog is skipped
    bool noSearch = false;           // --no-search: no unit search; unit 0, the type's default rows
    bool noPortDialog = false;       // --no-port-dialog: no communication dialog on the first run
    bool selfTest = false;           // --selftest TYPE: build, show, check and close the main window
    bool help = false;               // --help or -h
    std::string error;               // not empty when the command line is wrong
};

// The type named like its display name, ignoring case, blanks, '-', '_' and brackets ("VOSK(MLIII)",
// "vosk-lc", "NUB3GW"); GW_NONE for anything else.
GwType GwTypeOfName(const std::string& name);

SStartOptions ParseStartOptions(const std::vector<std::string>& arguments);

// The text of --help.
std::string StartOptionsHelp();

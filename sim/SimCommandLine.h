#pragma once
// gwsim's command line.
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimConfig.h"
#include "sim/SimFaults.h"

struct SSimOptions {
    SSimConfig config;
    std::string linkPath;  // empty: no symlink, the ready line names the device itself
    bool help = false;
    bool version = false;  // --version: print the version and stop
    SSimFaults faults;  // --fault: the faults the unit starts with
};

// 0 and the options; or 2 (a usage error) with `error` saying what is wrong.
int ParseSimCommandLine(const std::vector<std::string_view>& args, SSimOptions& options, std::string& error);

// The text of `gwsim --help`.
std::string_view SimUsageText();

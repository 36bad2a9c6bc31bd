#pragma once
// The options of gwcli's monitor commands: how often and how many readings, and the register monitor's
// test-mode write, with the rules the desktop tool's Monitor menu applies to its windows.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliArguments.h"

namespace CLI {
class App;
}

// --watch MS (100 to 500, as the windows offer) and --count N.
void AddWatchOptions(CLI::App& command, SCliArguments& arguments);

// Why the register or axis monitor cannot run with these options for the type; empty when it can.
std::string RegistersProblem(const SCliArguments& arguments);
std::string AxesProblem(const SCliArguments& arguments);

// The register changes of --set: (offset 0..71, value).
std::vector<std::pair<int, std::uint16_t>> ParseRegisterSet(const std::string& text, std::string& reason);

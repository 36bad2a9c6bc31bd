#pragma once
// The options of gwcli's monitor commands: how often and how many readings, and the register monitor's
// test-mode write, with the rules the desktop tool's Monitor menu applies to its windows.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cli/console/CliArguments.h"

namespace CLI {
class App;
}

// The cycles the monitor windows poll at: the register and axis monitors' choices, the diagnostic
// counters' and the hardware monitor's fixed cycle.
inline constexpr std::array<int, 5> CHOSEN_CYCLES_MS = {100, 200, 300, 400, 500};
inline constexpr std::array<int, 1> COUNTERS_CYCLE_MS = {500};
inline constexpr std::array<int, 1> HARDWARE_CYCLE_MS = {2000};

// --watch MS (one of `cycles`, as the window offers) and --count N.
void AddWatchOptions(CLI::App& command, SCliArguments& arguments, std::span<const int> cycles);

// Why the register or axis monitor cannot run with these options for the type; empty when it can.
std::string RegistersProblem(const SCliArguments& arguments);
std::string AxesProblem(const SCliArguments& arguments);

// The register changes of --set: (offset 0..71, value).
std::vector<std::pair<int, std::uint16_t>> ParseRegisterSet(const std::string& text, std::string& reason);

#pragma once
// The options of gwcli's monitor commands (registers, axes): their values and which command and gateway
// type they belong to, as the desktop tool's Monitor menu offers its windows.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliArguments.h"

// --watch, --count, --set and --direction.
bool IsMonitorValueOption(const std::string& option);
// Stores the option's value; the one-line reason when the value is unusable, else empty.
std::string TakeMonitorValue(SCliArguments& arguments, const std::string& option, const std::string& value);
// Whether the command may run with these options for the type; the one-line reason when not.
std::string MonitorCommandReason(const SCliArguments& arguments,
                                 const std::vector<std::string>& givenOptions);

// The register changes of --set: (offset 0..71, value).
std::vector<std::pair<int, std::uint16_t>> ParseRegisterSet(const std::string& text, std::string& reason);

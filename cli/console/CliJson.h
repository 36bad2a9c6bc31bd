#pragma once
// The JSON rendering of a command's result: one document on one line of standard output (a watching
// monitor prints one line per reading).
#include <nlohmann/json.hpp>

#include "cli/commands/CliCommand.h"

// Keys keep the order they were added in, so the document reads like the text.
using CliJson = nlohmann::ordered_json;

void PrintJson(const SCliOutput& output, const CliJson& document);

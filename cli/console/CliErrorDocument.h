#pragma once
// The JSON document of a failed command: {"error": {"message", "details": [...], "verdict"?, "exit"}},
// printed on standard output with --json so that a script's JSON reader never sees an empty stream.
#include <optional>
#include <string>

#include "cli/console/CliJson.h"
#include "cli/console/ConsoleHost.h"

// `failure` is what the command printed; without it the message says only how the command ended.
CliJson ErrorDocument(const std::optional<SCliFailure>& failure, int exitStatus);
// A usage error: the reason gwcli gives for refusing the command line.
CliJson UsageErrorDocument(const std::string& reason);

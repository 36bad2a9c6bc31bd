#pragma once
// The FILE argument that the file commands take.
#include "cli/console/CliArguments.h"

namespace CLI {
class App;
}

void AddFileArgument(CLI::App& command, SCliArguments& arguments, const char* description);

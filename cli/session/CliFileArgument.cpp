#include "cli/session/CliFileArgument.h"

#include <CLI/CLI.hpp>

void AddFileArgument(CLI::App& command, SCliArguments& arguments, const char* description) {
    command.add_option("FILE", arguments.file, description)->required()->type_name("");
}

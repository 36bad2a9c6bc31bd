#pragma once
// The texts gwcli prints about itself: the usage after a usage error, and the full help.
#include <string>
#include <string_view>

struct SCliCommand;

// After a usage error: the usage line of `command` and where its help is; for no command, gwcli's own
// usage line and the pointer to the list of commands.
std::string CommandUsageText(const SCliCommand* command);
std::string_view CliHelpText();
// The footer of a command's help: the global options that apply to it.
std::string GlobalOptionsFooter(const SCliCommand& command);

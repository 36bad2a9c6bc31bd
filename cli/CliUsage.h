#pragma once
// The texts gwcli prints about itself: the usage summary (after a usage error) and the full help.
#include <string_view>

std::string_view CliUsageText();
std::string_view CliHelpText();

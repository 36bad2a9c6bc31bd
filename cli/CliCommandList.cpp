#include <array>

#include "cli/CliCommands.h"

std::span<const SCliCommand* const> CliCommands() {
    static constexpr std::array<const SCliCommand*, 9> commands = {
        &SearchCommand, &ReadCommand,      &WriteCommand, &CheckCommand, &ShowCommand,
        &TimeCommand,   &RegistersCommand, &AxesCommand,  &EditCommand,
    };
    return commands;
}

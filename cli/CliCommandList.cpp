#include <array>

#include "cli/CliCommands.h"

std::span<const SCliCommand* const> CliCommands() {
    static constexpr std::array<const SCliCommand*, 7> commands = {
        &SearchCommand, &ReadCommand, &WriteCommand, &CheckCommand, &ShowCommand, &TimeCommand, &EditCommand,
    };
    return commands;
}

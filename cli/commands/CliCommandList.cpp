#include <array>

#include "cli/commands/CliCommands.h"

std::span<const SCliCommand* const> CliCommands() {
    static constexpr std::array<const SCliCommand*, 19> commands = {
        &SearchCommand,  &ReadCommand,     &WriteCommand,    &CheckCommand,     &ShowCommand,
        &FieldsCommand,  &NewCommand,      &TimeCommand,     &RegistersCommand, &AxesCommand,
        &AlarmsCommand,  &CountersCommand, &HardwareCommand, &OptionsCommand,   &EditCommand,
        &DriverCommand,  &DiffCommand,     &DoctorCommand,   &ExporterCommand,
    };
    return commands;
}

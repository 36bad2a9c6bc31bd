#include <CLI/CLI.hpp>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/reports/DriverParametersReport.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/DriverSettings.h"
#include "core/procedures/DriverMonitorParameters.h"

namespace {

void AddDriverOptions(CLI::App& command, SCliArguments& arguments) {
    command.add_option(
        "--set", arguments.settings,
        "change a driver parameter by its symbol (OMPV, ...), then write them all")
        ->type_name("NAME=VALUE");
    command.add_flag("--restart", arguments.restart, "answer Yes to the restart question after the write");
}

// Every setting is checked before the line is touched.
std::string DriverProblem(const SCliArguments& arguments) {
    if (arguments.type != GW_DRAVO)
        return "driver applies to DRAVO, not to " + std::string(GwUnitDataOf(arguments.type).name);
    if (!RunsExtended(arguments))
        return "driver: the driver monitor parameters are offered only with --extended";
    return DriverSettingsProblem(arguments.settings);
}

void PrintResult(const DriverRegisters& registers, const SCliOutput& output) {
    const SDriverResult result = DriverResultOf(registers);
    if (output.json) return PrintJson(output, DriverJson(result));
    std::fputs(DriverText(result).c_str(), output.out);
    std::fflush(output.out);
}

// Reads the driver monitor parameters as the dialog does at opening; with --set, changes them in the
// grid, writes them all back (the restart only with --restart) and prints what the unit holds afterwards.
int RunDriver(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return CLI_FAILED;
    LayOutMainWindow(session, unit.axisSlots);
    DriverRegisters registers{};
    if (ReadDriverParameters(session, registers) != 0) return CLI_FAILED;
    if (arguments.settings.empty()) {
        PrintResult(registers, output);
        return CLI_OK;
    }
    SDrvObsrvState grid = CreateDrvObsrvState();
    ShowDriverValues(grid, registers);
    if (!ApplyDriverSettings(grid, arguments.settings, host)) return CLI_FAILED;
    const auto toWrite = DriverRegistersToWrite(grid, host);
    if (!toWrite) return CLI_FAILED;
    if (WriteDriverParameters(session, *toWrite).code != 0) return CLI_FAILED;
    if (ReadDriverParameters(session, registers) != 0) return CLI_FAILED;
    PrintResult(registers, output);
    return CLI_OK;
}

}  // namespace

const SCliCommand DriverCommand = {
    "driver",
    "driver [--set NAME=VALUE ...] [--restart]",
    "DRAVO with --extended: read and print the driver monitor parameters; with --set\n"
    "(repeatable) change them within their limits and write them all back, restarting the\n"
    "unit only with --restart; --json: {\"rows\":[{\"register\", \"symbol\", \"label\" (the Name\n"
    "column), \"raw\", \"editable\", \"min\", \"max\" (editable rows only)}, ...]}\n",
    AddDriverOptions,
    DriverProblem,
    RunDriver,
    true,
};

#include <CLI/CLI.hpp>

#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliSessionSetup.h"
#include "cli/DriverParametersReport.h"
#include "cli/DriverSettings.h"
#include "core/procedures/DriverMonitorParameters.h"

namespace {

void AddDriverOptions(CLI::App& command, SCliArguments& arguments) {
    command.add_option(
        "--set", arguments.settings,
        "NAME=VALUE: change a driver parameter by its symbol (OMPV, ...), then write them all");
    command.add_flag("--restart", arguments.restart, "answer Yes to the restart question after the write");
}

std::string DriverProblem(const SCliArguments& arguments) {
    if (arguments.type != GW_DRAVO)
        return "driver applies to DRAVO, not to " + std::string(GwUnitDataOf(arguments.type).name);
    return {};
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
    if (!session.program.ExtendedMode()) {
        std::fputs("gwcli: driver: the driver monitor parameters are offered only with --extended\n",
                   output.err);
        return CLI_USAGE;
    }
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
    if (const int status = ApplyDriverSettings(grid, arguments.settings, host, output.err); status != CLI_OK)
        return status;
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
    "unit only with --restart; --json: {\"rows\":[{\"register\",\"name\",\"value\",\"editable\",\n"
    "\"min\",\"max\"}, ...]}\n",
    AddDriverOptions,
    DriverProblem,
    RunDriver,
    true,
    false,
};

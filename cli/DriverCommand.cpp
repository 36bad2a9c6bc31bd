#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliSessionSetup.h"
#include "cli/DriverParametersReport.h"
#include "cli/DriverSettings.h"
#include "core/procedures/DriverMonitorParameters.h"

namespace {

void PrintResult(const DriverRegisters& registers, bool json, std::FILE* out) {
    const SDriverResult result = DriverResultOf(registers);
    const std::string text = json ? DriverJson(result).dump() + "\n" : DriverText(result);
    std::fputs(text.c_str(), out);
    std::fflush(out);
}

}  // namespace

// Read the driver monitor parameters as the dialog does at opening; with --set, change them in the grid,
// write them all back (the restart only with --restart) and print what the unit holds afterwards.
int RunDriverCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out, std::FILE* err) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    if (!session.program.ExtendedMode()) {
        std::fputs("gwcli: driver: the driver monitor parameters are offered only with --extended\n", err);
        return CLI_USAGE;
    }
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return CLI_FAILED;
    LayOutMainWindow(session, unit.axisSlots);
    DriverRegisters registers{};
    if (ReadDriverParameters(session, registers) != 0) return CLI_FAILED;
    if (arguments.settings.empty()) {
        PrintResult(registers, arguments.json, out);
        return CLI_OK;
    }
    SDrvObsrvState grid = CreateDrvObsrvState();
    ShowDriverValues(grid, registers);
    if (const int status = ApplyDriverSettings(grid, arguments.settings, host, err); status != CLI_OK)
        return status;
    const auto toWrite = DriverRegistersToWrite(grid, host);
    if (!toWrite) return CLI_FAILED;
    if (WriteDriverParameters(session, *toWrite).code != 0) return CLI_FAILED;
    if (ReadDriverParameters(session, registers) != 0) return CLI_FAILED;
    PrintResult(registers, arguments.json, out);
    return CLI_OK;
}

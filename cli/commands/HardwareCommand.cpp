#include <CLI/CLI.hpp>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/reports/MonitorRowsReport.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/MonitorCommandRules.h"
#include "cli/session/MonitorConnection.h"
#include "cli/session/MonitorOptions.h"
#include "cli/session/MonitorWatch.h"
#include "core/monitors/HardwareMonitor.h"

namespace {

void AddHardwareOptions(CLI::App& command, SCliArguments& arguments) {
    AddWatchOptions(command, arguments, HARDWARE_CYCLE_MS);
}

std::string HardwareProblem(const SCliArguments& arguments) {
    return MonitorTypeRefusal(EMonitorCommand::Hardware, arguments.type, RunsExtended(arguments));
}

int RunHardware(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments, EMonitorNeeds::Connection) != CLI_OK) return CLI_FAILED;
    CHardwareMonitor monitor(session);
    const bool watching = arguments.watchMs.has_value();
    bool lastFailed = false;
    // Like the window, a failed reading is reported and the watch goes on; a single reading that
    // fails ends the command with its failure.
    const EReadingsEnd end = RunMonitorReadings(arguments.watchMs, arguments.count, [&] {
        lastFailed = monitor.Timer1Timer() != 0;
        if (lastFailed) return watching;
        PrintMonitorReading(HardwareReportOf(monitor), output, watching);
        return true;
    });
    // Ctrl-C ends a watch with success, even while its readings fail.
    if (end == EReadingsEnd::Interrupted) return CLI_OK;
    return end == EReadingsEnd::Done && !lastFailed ? CLI_OK : CLI_FAILED;
}

}  // namespace

const SCliCommand HardwareCommand = {
    "hardware",
    "hardware [--watch MS] [--count N]",
    "supply voltages, fan speed and driver board temperatures (VOSK, VOSK(MLIII) and\n"
    "VOSK-LC, with --extended as the window); --watch only at the window's 2000 ms; a voltage\n"
    "the unit reports as 0 keeps the value shown before and is marked \"(held)\"; --json:\n"
    "{\"rows\":[{\"label\", \"text\", \"raw\", \"physical_unit\"[, \"held\":true]}, ...]},\n"
    "one line per reading\n",
    AddHardwareOptions,
    HardwareProblem,
    RunHardware,
    true,
};

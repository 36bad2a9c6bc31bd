#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/MonitorCommandRules.h"
#include "cli/MonitorConnection.h"
#include "cli/MonitorOptions.h"
#include "cli/MonitorRowsReport.h"
#include "cli/MonitorWatch.h"
#include "core/monitors/HardwareMonitor.h"

namespace {

std::string HardwareProblem(const SCliArguments& arguments) {
    return MonitorTypeRefusal(EMonitorCommand::Hardware, arguments.type);
}

int RunHardware(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments) != CLI_OK) return CLI_FAILED;
    CHardwareMonitor monitor(session);
    const bool watching = arguments.watchMs.has_value();
    bool lastFailed = false;
    // Like the window, a failed reading is reported and the watch goes on; a single reading that
    // fails ends the command with its failure.
    const bool ok = RunMonitorReadings(arguments.watchMs, arguments.count, [&] {
        lastFailed = monitor.Timer1Timer() != 0;
        if (lastFailed) return watching;
        PrintMonitorReading(HardwareReportOf(monitor), output, watching);
        return true;
    });
    return ok && !lastFailed ? CLI_OK : CLI_FAILED;
}

}  // namespace

const SCliCommand HardwareCommand = {
    "hardware",
    "hardware [--watch MS] [--count N]",
    "supply voltages, fan speed and driver board temperatures (VOSK, VOSK(MLIII) and\n"
    "VOSK-LC); a voltage the unit reports as 0 keeps the value shown before and is marked\n"
    "\"(held)\"; --json: {\"rows\":[{\"name\",\"value\",\"raw\",\"unit\"[,\"held\":true]}, ...]},\n"
    "one line per reading\n",
    AddWatchOptions,
    HardwareProblem,
    RunHardware,
    true,
    false,
};

#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/MonitorConnection.h"
#include "cli/MonitorRowsReport.h"
#include "cli/WatchLoop.h"
#include "core/monitors/HardwareMonitor.h"

int RunHardwareCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments) != CLI_OK) return CLI_FAILED;
    CHardwareMonitor monitor(session);
    const bool lines = arguments.watch.intervalMs.has_value();
    bool lastFailed = false;
    // Like the window, a failed reading is reported and the watch goes on; a single reading that
    // fails ends the command with its failure.
    const bool ok = RunWatch(arguments.watch, [&] {
        lastFailed = monitor.Timer1Timer() != 0;
        if (lastFailed) return lines;
        std::fputs(MonitorReadingOutput(HardwareReportOf(monitor), arguments.json, lines).c_str(), out);
        std::fflush(out);
        return true;
    });
    return ok && !lastFailed ? CLI_OK : CLI_FAILED;
}

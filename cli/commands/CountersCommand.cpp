#include <CLI/CLI.hpp>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/reports/MonitorRowsReport.h"
#include "cli/session/MonitorCommandRules.h"
#include "cli/session/MonitorConnection.h"
#include "cli/session/MonitorOptions.h"
#include "cli/session/MonitorWatch.h"
#include "core/monitors/DiagnosticCounters.h"

namespace {

constexpr std::uint16_t KAVELIS_GVER_COUNTERS = 12;  // older KAVELIS firmware has no counters menu item

void AddCountersOptions(CLI::App& command, SCliArguments& arguments) {
    command.add_option_function<std::string>(
        "--clear",
        [&arguments](const std::string& value) {
            if (!IsCounterClearName(value))
                throw CLI::ValidationError("counters --clear takes ERR_T, ERR_C, EMG, RTET or all, not \"" +
                                           value + "\"");
            arguments.counterClear = value;
        },
        "press that Clear button before the reading")
        ->type_name("ERR_T|ERR_C|EMG|RTET|all");
    AddWatchOptions(command, arguments, COUNTERS_CYCLE_MS);
}

// Presses the Clear buttons `--clear` names; false with the reason printed when the window would not
// show that button for this unit.
bool PressClearButtons(CDiagnosticCounters& monitor, const std::string& name, CConsoleHost& host) {
    if (name.empty()) return true;
    for (int i = 0; i < COUNTER_KINDS; ++i) {
        const auto counter = static_cast<ECounter>(i);
        ECounter named{};
        const bool wanted = name == "all" || (CounterOfName(name, named) && named == counter);
        if (!wanted) continue;
        if (!monitor.ResetButton(counter).visible) {
            if (name == "all") continue;
            host.Refuse("counters: " + name + " has no Clear button for this unit" +
                        (counter == ECounter::RTET ? " (it needs --extended)" : ""));
            return false;
        }
        monitor.ResetClick(counter);
    }
    return true;
}

int RunCounters(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments, EMonitorNeeds::Connection) != CLI_OK) return CLI_FAILED;
    if (session.program.SelectedGwType == GW_KAVELIS && session.image.Word(GVER) < KAVELIS_GVER_COUNTERS) {
        host.Refuse("counters: the diagnostic counters need KAVELIS firmware 12 or later");
        return CLI_USAGE;
    }
    CDiagnosticCounters monitor(session);
    if (!PressClearButtons(monitor, arguments.counterClear, host)) return CLI_USAGE;
    const bool watching = arguments.watchMs.has_value();
    const std::size_t mark = host.Mark();
    const EReadingsEnd end = RunMonitorReadings(arguments.watchMs, arguments.count, [&] {
        if (monitor.Timer1Timer() != 0) return false;
        PrintMonitorReading(CountersReportOf(monitor), output, watching);
        return true;
    });
    if (end == EReadingsEnd::Failed) return CLI_FAILED;
    // The window shows "Count clear failed." and goes on reading; the command does too, but a clear the
    // unit did not confirm is no success.
    return host.ProblemShownSince(mark) ? CLI_FAILED : CLI_OK;
}

}  // namespace

const SCliCommand CountersCommand = {
    "counters",
    "counters [--clear ERR_T|ERR_C|EMG|RTET|all] [--watch MS] [--count N]",
    "scan time and error counters; the rows follow the type, its firmware and --extended\n"
    "as in the window (RTET only with --extended); --clear resets before the reading;\n"
    "--watch only at the window's 500 ms; --json: {\"rows\":[{\"key\" (SCAN_TIME, ERR_T, ERR_C, EMG,\n"
    "RTET, as --clear names them), \"label\", \"text\", \"raw\"}, ...]}, one line per reading\n",
    AddCountersOptions,
    nullptr,
    RunCounters,
    true,
};

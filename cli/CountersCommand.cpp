#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/MonitorConnection.h"
#include "cli/MonitorRowsReport.h"
#include "cli/WatchLoop.h"
#include "core/monitors/DiagnosticCounters.h"

namespace {

constexpr std::uint16_t KAVELIS_GVER_COUNTERS = 12;  // older KAVELIS firmware has no counters menu item

// Presses the Clear buttons `--clear` names; false with the reason printed when the window would not
// show that button for this unit.
bool PressClearButtons(CDiagnosticCounters& monitor, const std::string& name, std::FILE* err) {
    if (name.empty()) return true;
    for (int i = 0; i < COUNTER_KINDS; ++i) {
        const auto counter = static_cast<ECounter>(i);
        ECounter named{};
        const bool wanted = name == "all" || (CounterOfName(name, named) && named == counter);
        if (!wanted) continue;
        if (!monitor.ResetButton(counter).visible) {
            if (name == "all") continue;
            std::fprintf(err, "gwcli: counters: %s has no Clear button for this unit%s\n", name.c_str(),
                         counter == ECounter::RTET ? " (it needs --extended)" : "");
            return false;
        }
        monitor.ResetClick(counter);
    }
    return true;
}

}  // namespace

int RunCountersCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out, std::FILE* err) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments) != CLI_OK) return CLI_FAILED;
    if (session.program.SelectedGwType == GW_KAVELIS && session.image.Word(GVER) < KAVELIS_GVER_COUNTERS) {
        std::fprintf(err, "gwcli: counters: the diagnostic counters need KAVELIS firmware 12 or later\n");
        return CLI_USAGE;
    }
    CDiagnosticCounters monitor(session);
    if (!PressClearButtons(monitor, arguments.counterClear, err)) return CLI_USAGE;
    const bool lines = arguments.watch.intervalMs.has_value();
    const bool ok = RunWatch(arguments.watch, [&] {
        if (monitor.Timer1Timer() != 0) return false;
        std::fputs(MonitorReadingOutput(CountersReportOf(monitor), arguments.json, lines).c_str(), out);
        std::fflush(out);
        return true;
    });
    return ok ? CLI_OK : CLI_FAILED;
}

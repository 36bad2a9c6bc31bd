#include <CLI/CLI.hpp>

#include "cli/AlarmsReport.h"
#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliSessionSetup.h"
#include "cli/MonitorCommandRules.h"
#include "cli/MonitorConnection.h"
#include "core/monitors/AlarmList.h"

namespace {

void AddAlarmsOptions(CLI::App& command, SCliArguments& arguments) {
    command.add_option("--csv", arguments.csvFile, "also write the alarm list window's CSV file")->type_name("FILE");
    command.add_flag("--clear", arguments.clearAlarms, "clear the unit's alarm history, then read it again");
}

std::string AlarmsProblem(const SCliArguments& arguments) {
    return MonitorTypeRefusal(EMonitorCommand::Alarms, arguments.type, RunsExtended(arguments));
}

int RunAlarms(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments, EMonitorNeeds::Connection) != CLI_OK) return CLI_FAILED;
    CAlarmList list(session);
    // --clear is the Clear button: clear without asking, then read the list again.
    const int read = arguments.clearAlarms ? list.bClearClick() : list.ReadList();
    if (read != 0) return CLI_FAILED;
    if (!arguments.csvFile.empty() && list.SaveCsv(arguments.csvFile, LocalDateTimeNow()) != 0)
        return CLI_FAILED;
    const SAlarmReport report = AlarmReportOf(list);
    if (output.json) {
        PrintJson(output, AlarmReportJson(report));
    } else {
        std::fputs(AlarmReportText(report).c_str(), output.out);
        std::fflush(output.out);
    }
    return CLI_OK;
}

}  // namespace

const SCliCommand AlarmsCommand = {
    "alarms",
    "alarms [--csv FILE] [--clear]",
    "the alarm list's 64 records (not for KAVELIS); --clear clears the unit's history\n"
    "without asking, then reads it again; --csv writes the window's CSV file, replacing an old\n"
    "file only once the new one is complete; --json: {\"identification\",\"records\":[...]}\n",
    AddAlarmsOptions,
    AlarmsProblem,
    RunAlarms,
    true,
};

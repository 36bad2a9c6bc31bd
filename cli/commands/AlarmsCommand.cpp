#include <CLI/CLI.hpp>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/reports/AlarmsReport.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/MonitorCommandRules.h"
#include "cli/session/MonitorConnection.h"
#include "core/app/texts/MsgText.h"
#include "core/files/FileProblem.h"
#include "core/monitors/AlarmList.h"

namespace {

constexpr std::size_t MSG_SAVE_FAILED = 86;
constexpr std::size_t MSG_ALARM_LIST_READ_FAILURE = 53;

void AddAlarmsOptions(CLI::App& command, SCliArguments& arguments) {
    command.add_option("--csv", arguments.csvFile, "also write the alarm list window's CSV file")->type_name("FILE");
    command.add_flag("--clear", arguments.clearAlarms,
                     "clear the unit's alarm history, then read it again (with --csv: once the file "
                     "holds the history)");
}

std::string AlarmsProblem(const SCliArguments& arguments) {
    return MonitorTypeRefusal(EMonitorCommand::Alarms, arguments.type, RunsExtended(arguments));
}

// A CSV file that could not be written is found out before the unit is asked for anything.
bool CsvTargetWritable(const std::string& path, CConsoleHost& host) {
    const std::string problem = FileWriteProblem(path);
    if (problem.empty()) return true;
    host.ShowMessageBoxWithDetail(MsgText[MSG_SAVE_FAILED], MB_ICON_ERROR, FileDetail(path, problem));
    return false;
}

int RunAlarms(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    const bool saving = !arguments.csvFile.empty();
    if (saving && !CsvTargetWritable(arguments.csvFile, host)) return CLI_FAILED;
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments, EMonitorNeeds::Connection) != CLI_OK) return CLI_FAILED;
    host.NameFailedSendAs(MsgText[MSG_ALARM_LIST_READ_FAILURE]);
    CAlarmList list(session);
    // The history goes into the file before --clear erases it, and is cleared only once the file is
    // safely written. --clear is the Clear button: clear without asking, then read the list again.
    if ((saving || !arguments.clearAlarms) && list.ReadList() != 0) return CLI_FAILED;
    if (saving && list.SaveCsv(arguments.csvFile, LocalDateTimeNow()) != 0) return CLI_FAILED;
    if (arguments.clearAlarms && list.bClearClick() != 0) return CLI_FAILED;
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
    "file only once the new one is complete; with both, the history is saved first and cleared\n"
    "only once the file is written; --json: {\"identification\", \"records\":[...]}\n",
    AddAlarmsOptions,
    AlarmsProblem,
    RunAlarms,
    true,
};

#include "cli/AlarmsReport.h"
#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/MonitorConnection.h"
#include "core/monitors/AlarmList.h"

int RunAlarmsCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments) != CLI_OK) return CLI_FAILED;
    CAlarmList list(session);
    // --clear is the Clear button: clear without asking, then read the list again.
    const int read = arguments.clearAlarms ? list.bClearClick() : list.ReadList();
    if (read != 0) return CLI_FAILED;
    if (!arguments.csvFile.empty() && list.SaveCsv(arguments.csvFile, LocalDateTimeNow()) != 0)
        return CLI_FAILED;
    const SAlarmReport report = AlarmReportOf(list);
    const std::string text =
        arguments.json ? AlarmReportJson(report).dump(2) + "\n" : AlarmReportText(report);
    std::fputs(text.c_str(), out);
    std::fflush(out);
    return CLI_OK;
}

#include <CLI/CLI.hpp>
#include <cstdio>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliFileContext.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/RefreshChanges.h"
#include "cli/console/CliJson.h"
#include "cli/console/InterruptFlag.h"
#include "cli/reports/UnitJson.h"
#include "cli/reports/PioReminderText.h"
#include "core/app/texts/MsgText.h"
#include "core/procedures/WriteParameters.h"
#include "core/service/SearchUnit.h"

namespace {

constexpr std::size_t MSG_TRANSMISSION_ABORTED = 76;

void AddWriteOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file to write");
    command.add_flag("--restart", arguments.restart, "answer Yes to the restart question");
    command.add_flag("--force", arguments.force,
                     "with --extended: answer Yes to the question about a different network type");
}

constexpr const char* FIRST_INTERRUPT_NOTE =
    "gwcli: Ctrl-C: the transmission is finished first (a unit that stops answering is given up within "
    "0.4 s), then gwcli stops without a restart; Ctrl-C again stops at once\n";
constexpr const char* SECOND_INTERRUPT_NOTE =
    "gwcli: stopped during the write: the unit may hold a mixed set of old and new parameters; "
    "write the file again before the unit is restarted\n";

std::string WriteProblem(const SCliArguments& arguments) {
    if (arguments.force && !arguments.extended)
        return "write: --force needs --extended (only the extended mode writes a different network type)";
    return {};
}

// The file passes every reader check: opened once in a session of its own before any unit is asked.
bool FileOpens(const SCliArguments& arguments, CConsoleHost& host) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    return OpenFileAsItStands(file, host, arguments.file);
}

void PrintWritten(const CSession& session, const SUnitChoice& unit, const SWriteResult& result,
                  const SCliArguments& arguments, const SCliOutput& output) {
    if (!output.json) return;
    PrintJson(output, {{"file", arguments.file},
                       {"unit", UnitJson(session, unit)},
                       {"restarted", result.restarted},
                       {"read_back", result.readBack}});
}

int RunWrite(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    if (!FileOpens(arguments, host)) return CLI_FAILED;
    CSession session(host);
    ApplyRunSettings(session, arguments);
    session.showPioPattern = [&session, &host] {
        host.Print(PioReminderText(session.program.SelectedGwType, session.program.Comm.ToolFlags),
                   MB_ICON_INFORMATION);
    };
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return CLI_FAILED;
    host.Note(UnitDescription(session, unit));
    LayOutMainWindow(session, unit.axisSlots);
    SCliFileContext file(session, arguments.file);
    // Laid out for this unit's axis slots, the set may no longer be the file's: then nothing is sent.
    if (!OpenFileAsItStands(file, host, arguments.file)) {
        host.Print(MsgText[MSG_TRANSMISSION_ABORTED], MB_ICON_ERROR);
        return CLI_FAILED;
    }
    // From here a Ctrl-C gives the blocks under way the grace to go out as a whole set.
    const CInterruptibleQuestions interruption(host, FIRST_INTERRUPT_NOTE, SECOND_INTERRUPT_NOTE,
                                               STOP_GRACE_LIMIT);
    const SWriteResult result = WriteParameters(session);
    if (interruption.Raised()) {
        host.Note(result.transmitted ? "stopped by Ctrl-C after the whole set was written; the unit was not restarted"
                  : result.mixedSet ? "stopped by Ctrl-C during the write: the unit may hold a mixed set of old and "
                                      "new parameters; write the file again before the unit is restarted"
                                    : "stopped by Ctrl-C before the set was written");
        return CLI_INTERRUPTED;
    }
    if (result.transmitted && !arguments.restart)
        host.Note("the parameters take effect after a restart of the unit (write --restart)");
    if (result.transmitted && arguments.restart && !result.readBack) return CLI_FAILED;
    if (result.transmitted) {
        PrintWritten(session, unit, result, arguments, output);
        return CLI_OK;
    }
    // The procedure's silent ends before its success message (a declined question, a failed exchange)
    // say in the tool's words that the transmission was aborted; a write cut off mid-way has said it
    // already, with the mixed set the unit now holds.
    if (result.code == 0 && !result.mixedSet) host.Print(MsgText[MSG_TRANSMISSION_ABORTED], MB_ICON_ERROR);
    return CLI_FAILED;
}

}  // namespace

const SCliCommand WriteCommand = {
    "write",
    "write FILE [--restart] [--force]",
    "open FILE with every reader check, then write it to the unit;\n"
    "restart it only with --restart; a different network type on the unit is\n"
    "written only with --force and --extended, as the desktop tool asks;\n"
    "--json: {\"file\", \"unit\":{...}, \"restarted\", \"read_back\"}\n",
    AddWriteOptions,
    WriteProblem,
    RunWrite,
    true,
};

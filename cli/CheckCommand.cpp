#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileArgument.h"
#include "cli/CliFileContext.h"
#include "cli/CliSessionSetup.h"
#include "cli/RefreshChanges.h"

namespace {

void AddCheckOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file to check");
}

int RunCheck(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    const SFileOpening opening = OpenFileWatchingRefresh(file, host, arguments.file);
    if (opening.result == EFileOpening::Refused) return CLI_FAILED;
    // A set the window changed on opening is not the file's: say what changed instead of checking it.
    if (opening.result == EFileOpening::ChangedByRefresh) {
        PrintRefreshChanges(output.err, opening.changes);
        return CLI_FAILED;
    }
    // Save as far as its dialog: every check has passed once the dialog is asked for, and the
    // cancelled dialog leaves the file alone.
    bool checksPassed = false;
    file.context.hooks.askFilePath =
        [&checksPassed](const SFileDialogRequest&) -> std::optional<std::string> {
        checksPassed = true;
        return std::nullopt;
    };
    SaveParameterFileCommand(file.context);
    if (!checksPassed) return CLI_FAILED;
    // A passing file says so in one line, so that a script's log shows which files were checked.
    host.Print(arguments.file + ": passes the checks of Save", MB_ICON_INFORMATION);
    return CLI_OK;
}

}  // namespace

const SCliCommand CheckCommand = {
    "check",
    "check FILE",
    "open FILE and run the checks of Save, without touching any unit; a file\n"
    "that passes is named in one line on standard output; what the window's refresh\n"
    "changed in the file goes to standard error, one line per field, and the check fails\n",
    AddCheckOptions,
    nullptr,
    RunCheck,
    false,
    false,
};

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliFileContext.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/RefreshChanges.h"

namespace {

void AddCheckOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file to check");
}

// Save as far as its dialog: every check has passed once the dialog is asked for, and the cancelled
// dialog leaves the file alone.
bool PassesSaveChecks(SCliFileContext& file) {
    bool checksPassed = false;
    file.context.hooks.askFilePath = [&checksPassed](const SFileDialogRequest&) -> std::optional<std::string> {
        checksPassed = true;
        return std::nullopt;
    };
    SaveParameterFileCommand(file.context);
    return checksPassed;
}

int RunCheck(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    const std::size_t mark = host.Mark();
    const SFileOpening opening = OpenFileWatchingRefresh(file, host, arguments.file);
    if (opening.result == EFileOpening::Refused) return CLI_FAILED;
    // A set the window changed on opening is not the file's: what changed is named, and Save's checks
    // still run on the set the window holds, so that every problem of the file shows at once.
    PrintRefreshChanges(host, opening.changes);
    const bool savable = PassesSaveChecks(file);
    const bool passes = savable && opening.result == EFileOpening::AsItStands;
    if (output.json) {
        PrintJson(output, {{"file", arguments.file},
                           {"passes", passes},
                           {"changes", RefreshChangesJson(opening.changes)},
                           {"problems", host.ProblemsSince(mark)}});
    } else if (passes) {
        // A passing file says so in one line, so that a script's log shows which files were checked.
        host.Print(arguments.file + ": passes the checks of Save", MB_ICON_INFORMATION);
    }
    return passes ? CLI_OK : CLI_FAILED;
}

}  // namespace

const SCliCommand CheckCommand = {
    "check",
    "check FILE",
    "open FILE and run the checks of Save, without touching any unit; a file\n"
    "that passes is named in one line on standard output; what the window's refresh\n"
    "changed in the file goes to standard error, one line per field, followed by what\n"
    "Save's checks say about the set the window then holds, and the check fails;\n"
    "--json: {\"file\", \"passes\", \"changes\":[{\"field\", \"file\", \"kept\"}, ...],\n"
    "\"problems\":[the warnings and errors printed]}\n",
    AddCheckOptions,
    nullptr,
    RunCheck,
    false,
};

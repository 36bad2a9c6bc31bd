#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/reports/WindowFieldsReport.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliFileContext.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/RefreshChanges.h"

namespace {

void AddFieldsOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file whose fields to list");
}

// The fields of the set as the window shows it after the refresh; as with show, a set the refresh
// changed is named on standard error and the command fails.
int RunFields(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    const SFileOpening opening = OpenFileWatchingRefresh(file, host, arguments.file);
    if (opening.result == EFileOpening::Refused) return CLI_FAILED;
    const SFieldsResult result{MainWindowFields(session.image, session.form, session.program)};
    if (output.json) {
        PrintJson(output, FieldsJson(result));
    } else {
        std::fputs(FieldsText(result).c_str(), output.out);
        std::fflush(output.out);
    }
    PrintRefreshChanges(host, opening.changes);
    return opening.result == EFileOpening::AsItStands ? CLI_OK : CLI_FAILED;
}

}  // namespace

const SCliCommand FieldsCommand = {
    "fields",
    "fields FILE",
    "every field the main window shows for the file's set, as edit --set names it:\n"
    "the window's label (axis slots \"Axis0\" ... as show and diff name them, DRAVO's\n"
    "drive units \"Drive Unit0\" ...), the register, the value as shown, and the choices\n"
    "(a list's entries, the modes a slot's clicks reach), the range of an edit or why\n"
    "the window disables the field now; --json: {\"fields\":[{\"name\", \"value\",\n"
    "\"enabled\", \"choices\", \"min\", \"max\", \"register\", \"reason\"}, ...]} (choices, min,\n"
    "max and reason where they apply)\n",
    AddFieldsOptions,
    nullptr,
    RunFields,
    false,
};

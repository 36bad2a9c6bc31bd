#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliFileContext.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/RefreshChanges.h"
#include "cli/reports/OptionRowsReport.h"

namespace {

void AddOptionsOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file whose option rows to list");
}

int RunOptions(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    if (!OpenFileAsItStands(file, host, arguments.file)) return CLI_FAILED;
    const SOptionsResult result{ShownOptionRows(session.image, session.program, session.form.cbW8N)};
    if (output.json) {
        PrintJson(output, OptionsJson(result));
    } else {
        std::fputs(OptionsText(result).c_str(), output.out);
        std::fflush(output.out);
    }
    return CLI_OK;
}

}  // namespace

const SCliCommand OptionsCommand = {
    "options",
    "options FILE",
    "every option row the specialty or gateway parameter bit dialog shows for the file's\n"
    "set (type, firmware, --extended): page, label, current choice, choices;\n"
    "--json: {\"rows\":[{\"page\", \"label\", \"choice\", \"choices\", \"enabled\"}, ...]}\n",
    AddOptionsOptions,
    nullptr,
    RunOptions,
    false,
};

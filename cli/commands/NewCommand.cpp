#include <CLI/CLI.hpp>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/reports/WindowFieldsReport.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliFileContext.h"
#include "cli/session/CliSessionSetup.h"
#include "core/advanced/NearestNames.h"
#include "core/files/NewFileForm.h"

namespace {

void AddNewOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file to make (replaced when it exists)");
    command.add_option("--network", arguments.network, "the network type, as the New dialog lists it")
        ->type_name("NAME");
}

std::string NewProblem(const SCliArguments& arguments) {
    return arguments.network.empty() ? "new needs --network NAME" : std::string();
}

std::optional<int> ListedPosition(const std::vector<std::string>& items, const std::string& name) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (Folded(items[i]) == Folded(name)) return static_cast<int>(i);
    return std::nullopt;
}

// File > New with the network chosen in its dialog, then Save to FILE with Save's checks.
int RunNew(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    const SNewFileFormState offered = CreateNewFileForm(session.program);
    const auto position = ListedPosition(offered.cbNetworkType.items, arguments.network);
    if (!position) {
        host.Refuse("new: the New dialog offers no network \"" + arguments.network +
                    "\"; choices: " + ChoicesText(offered.cbNetworkType.items));
        return CLI_USAGE;
    }
    const int made = NewFileCommand(file.context, [position](SNewFileFormState& dialog) {
        dialog.cbNetworkType.index = *position;
        return true;
    });
    if (made != 0 || SaveParameterFileCommand(file.context) != 0) return CLI_FAILED;
    const std::string& network = offered.cbNetworkType.items[static_cast<std::size_t>(*position)];
    if (output.json) {
        PrintJson(output, {{"file", arguments.file},
                           {"type", std::string(GwUnitDataOf(session.program.SelectedGwType).name)},
                           {"network", network}});
    } else {
        host.Print(arguments.file + ": new parameter set, " + session.form.lNTYP.text + " " + network,
                   MB_ICON_INFORMATION);
    }
    return CLI_OK;
}

}  // namespace

const SCliCommand NewCommand = {
    "new",
    "new FILE --network NAME",
    "a new parameter set as File > New makes it: the set cleared but for the network\n"
    "type chosen from the New dialog's list (ExtendedMode offers more), saved as FILE\n"
    "with Save's checks; a network the list does not hold exits 2 naming the choices;\n"
    "--json: {\"file\", \"type\", \"network\"}\n",
    AddNewOptions,
    NewProblem,
    RunNew,
    false,
};

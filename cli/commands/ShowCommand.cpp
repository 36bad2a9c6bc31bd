#include <sstream>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/reports/ParameterSetText.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliFileContext.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/FileRegisterLines.h"
#include "cli/session/RefreshChanges.h"

namespace {

void AddShowOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file to show");
}

CliJson FileRegisters(const CSession& session) {
    CliJson registers = CliJson::object();
    for (const auto& [reg, value] : FileRegisterLinesOf(session.image, session.program.SelectedGwType))
        registers[reg] = value;
    return registers;
}

CliJson TextLines(const std::string& text) {
    CliJson lines = CliJson::array();
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// The set as the window shows it after the refresh; when the refresh changed the file's set, what it
// changed follows on standard error and the command fails, since the file does not stand as it is.
int RunShow(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    const SFileOpening opening = OpenFileWatchingRefresh(file, host, arguments.file);
    if (opening.result == EFileOpening::Refused) return CLI_FAILED;
    const GwType type = session.program.SelectedGwType;
    const std::string text = ParameterSetText(session.image, session.form, type);
    if (output.json) {
        PrintJson(output, {{"type", std::string(GwUnitDataOf(type).name)},
                           {"registers", FileRegisters(session)},
                           {"lines", TextLines(text)},
                           {"changes", RefreshChangesJson(opening.changes)}});
    } else {
        std::fputs(text.c_str(), output.out);
        std::fflush(output.out);
    }
    PrintRefreshChanges(host, opening.changes);
    return opening.result == EFileOpening::AsItStands ? CLI_OK : CLI_FAILED;
}

}  // namespace

const SCliCommand ShowCommand = {
    "show",
    "show FILE",
    "print the parameter set as the window shows it: firmware version, network, address,\n"
    "baud rate, sizes, one line per axis slot with its mode as the window names it, unit\n"
    "block, option words; what the window's refresh changed in the file goes to standard\n"
    "error, one line per field, and the command fails;\n"
    "with --json: {\"type\", \"registers\" (as the file writes them), \"lines\" (the text),\n"
    "\"changes\" ([{\"field\", \"file\", \"kept\"}])}\n",
    AddShowOptions,
    nullptr,
    RunShow,
    false,
};

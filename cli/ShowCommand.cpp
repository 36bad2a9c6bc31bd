#include <sstream>

#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileArgument.h"
#include "cli/CliFileContext.h"
#include "cli/CliJson.h"
#include "cli/CliSessionSetup.h"
#include "cli/ParameterSetText.h"
#include "cli/RefreshChanges.h"
#include "core/files/ParameterFileWriter.h"

namespace {

void AddShowOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file to show");
}

// The register lines of the file the set would be saved as: register -> value, as the file writes them.
CliJson FileRegisters(const CSession& session) {
    std::istringstream text(FormatParameterText(session.image, session.program.SelectedGwType, SFileStamp{}));
    CliJson registers = CliJson::object();
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t comma = line.find(',');
        if (line.empty() || line.front() == ';' || comma == std::string::npos) continue;
        registers[line.substr(0, comma)] = line.substr(comma + 1);
    }
    return registers;
}

CliJson TextLines(const std::string& text) {
    CliJson lines = CliJson::array();
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

CliJson ChangeList(const std::vector<SRefreshChange>& changes) {
    CliJson list = CliJson::array();
    for (const SRefreshChange& change : changes)
        list.push_back({{"field", change.field}, {"file", change.inFile}, {"kept", change.kept}});
    return list;
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
                           {"changes", ChangeList(opening.changes)}});
    } else {
        std::fputs(text.c_str(), output.out);
        std::fflush(output.out);
    }
    PrintRefreshChanges(output.err, opening.changes);
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
    false,
};

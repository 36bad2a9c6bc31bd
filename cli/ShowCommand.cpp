#include <sstream>

#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileArgument.h"
#include "cli/CliFileContext.h"
#include "cli/CliJson.h"
#include "cli/CliSessionSetup.h"
#include "cli/ParameterSetText.h"
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

int RunShow(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    if (!OpenFileAsItStands(file, host, arguments.file)) return CLI_FAILED;
    const GwType type = session.program.SelectedGwType;
    const std::string text = ParameterSetText(session.image, session.form, type);
    if (output.json) {
        PrintJson(output, {{"type", std::string(GwUnitDataOf(type).name)},
                           {"registers", FileRegisters(session)},
                           {"lines", TextLines(text)}});
        return CLI_OK;
    }
    std::fputs(text.c_str(), output.out);
    std::fflush(output.out);
    return CLI_OK;
}

}  // namespace

const SCliCommand ShowCommand = {
    "show",
    "show FILE",
    "print the parameter set readably: network, address, baud rate, sizes,\n"
    "one line per axis slot with its mode and reserve flag, unit block, option words;\n"
    "with --json: {\"type\", \"registers\" (as the file writes them), \"lines\" (the text)}\n",
    AddShowOptions,
    nullptr,
    RunShow,
    false,
    false,
};

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliFileContext.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/console/CliJson.h"
#include "cli/console/InterruptFlag.h"
#include "cli/reports/UnitJson.h"
#include "core/app/texts/MsgText.h"
#include "core/files/FileProblem.h"
#include "core/procedures/ReadParameters.h"

namespace {

constexpr std::size_t MSG_SAVING_ABORTED = 77;
constexpr std::size_t MSG_CANNOT_SAVE = 17;

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

void AddReadOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file to save");
}

std::string ReadProblem(const SCliArguments& arguments) {
    const std::string_view extension = GwUnitDataOf(arguments.type).extension;
    if (EndsWithIgnoringCase(arguments.file, extension) && arguments.file.size() > extension.size())
        return {};
    return "read: FILE must bear the extension " + std::string(extension) + " of " +
           std::string(GwUnitDataOf(arguments.type).name);
}

int RunRead(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    // A file that could not be saved is found out before the unit is asked for anything.
    if (const std::string problem = FileWriteProblem(arguments.file); !problem.empty()) {
        host.ShowMessageBoxWithDetail(MsgText[MSG_CANNOT_SAVE], MB_ICON_ERROR,
                                      FileDetail(arguments.file, problem));
        return CLI_FAILED;
    }
    CSession session(host);
    ApplyRunSettings(session, arguments);
    host.NameFailedSendAs(MsgText[MSG_DATA_READ_FAILURE]);
    // Ctrl-C ends the read at its next question and saves nothing.
    const CInterruptibleQuestions interruption(host);
    const auto stoppedByCtrlC = [&host] {
        host.Note("stopped by Ctrl-C: nothing was saved");
        return CLI_INTERRUPTED;
    };
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (interruption.Raised()) return stoppedByCtrlC();
    if (!unit.found) return CLI_FAILED;
    host.Note(UnitDescription(session, unit));
    LayOutMainWindow(session, unit.axisSlots);
    const std::size_t mark = host.Mark();
    const int readResult = ReadParameters(session);
    if (interruption.Raised()) return stoppedByCtrlC();
    if (readResult != 0) return CLI_FAILED;
    // A value the display refresh had to put back to its default (its warning is printed) would make
    // the file differ from the unit.
    if (host.ProblemShownSince(mark)) {
        host.Print(MsgText[MSG_SAVING_ABORTED], MB_ICON_ERROR);
        return CLI_FAILED;
    }
    SCliFileContext file(session, arguments.file);
    if (SaveParameterFileCommand(file.context) != 0) return CLI_FAILED;
    if (output.json) PrintJson(output, {{"file", arguments.file}, {"unit", UnitJson(session, unit)}});
    return CLI_OK;
}

}  // namespace

const SCliCommand ReadCommand = {
    "read",
    "read FILE",
    "read the whole parameter set from the unit, then save it to FILE\n"
    "(FILE must bear the type's extension; saving runs the same checks as Save);\n"
    "--json: {\"file\", \"unit\":{\"unit_number\", \"slave_address\", \"axis_slots\"}}\n",
    AddReadOptions,
    ReadProblem,
    RunRead,
    true,
};

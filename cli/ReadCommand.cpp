#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileArgument.h"
#include "cli/CliFileContext.h"
#include "cli/CliSessionSetup.h"
#include "core/app/texts/MsgText.h"
#include "core/procedures/ReadParameters.h"

namespace {

constexpr std::size_t MSG_SAVING_ABORTED = 77;

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

int RunRead(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput&) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return CLI_FAILED;
    LayOutMainWindow(session, unit.axisSlots);
    const std::size_t mark = host.Mark();
    if (ReadParameters(session) != 0) return CLI_FAILED;
    // A value the display refresh had to put back to its default (its warning is printed) would make
    // the file differ from the unit.
    if (host.ProblemShownSince(mark)) {
        host.Print(MsgText[MSG_SAVING_ABORTED], MB_ICON_ERROR);
        return CLI_FAILED;
    }
    SCliFileContext file(session, arguments.file);
    return SaveParameterFileCommand(file.context) == 0 ? CLI_OK : CLI_FAILED;
}

}  // namespace

const SCliCommand ReadCommand = {
    "read",
    "read FILE",
    "read the whole parameter set from the unit, then save it to FILE\n"
    "(FILE must bear the type's extension; saving runs the same checks as Save)\n",
    AddReadOptions,
    ReadProblem,
    RunRead,
    true,
    false,
};

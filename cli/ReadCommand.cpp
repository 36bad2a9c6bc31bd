#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileContext.h"
#include "cli/CliSessionSetup.h"
#include "core/app/texts/MsgText.h"
#include "core/procedures/ReadParameters.h"

namespace {
constexpr std::size_t MSG_SAVING_ABORTED = 77;
}  // namespace

int RunReadCommand(const SCliArguments& arguments, CConsoleHost& host) {
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

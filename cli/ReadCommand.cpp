#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileContext.h"
#include "cli/CliSessionSetup.h"
#include "core/procedures/ReadParameters.h"

int RunReadCommand(const SCliArguments& arguments, CConsoleHost& host) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return CLI_FAILED;
    LayOutMainWindow(session, unit.axisSlots);
    if (ReadParameters(session) != 0) return CLI_FAILED;
    SCliFileContext file(session, arguments.file);
    return SaveParameterFileCommand(file.context) == 0 ? CLI_OK : CLI_FAILED;
}

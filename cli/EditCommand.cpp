#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileContext.h"
#include "cli/CliSessionSetup.h"
#include "cli/OptionEdits.h"

// Open FILE as it stands, change it as the dialogs would, and save it back to FILE with Save's checks.
int RunEditCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* err) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    if (!OpenFileAsItStands(file, host, arguments.file)) return CLI_FAILED;
    if (const int status = ApplyOptionEdits(session, arguments.options, err); status != CLI_OK) return status;
    return SaveParameterFileCommand(file.context) == 0 ? CLI_OK : CLI_FAILED;
}

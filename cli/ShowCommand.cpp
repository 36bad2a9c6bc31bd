#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileContext.h"
#include "cli/CliSessionSetup.h"
#include "cli/ParameterSetText.h"

int RunShowCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    if (!OpenFileAsItStands(file, host, arguments.file)) return CLI_FAILED;
    std::fputs(ParameterSetText(session.image, session.form, session.program.SelectedGwType).c_str(), out);
    std::fflush(out);
    return CLI_OK;
}

#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileContext.h"
#include "cli/CliSessionSetup.h"
#include "cli/OptionRowsReport.h"

int RunOptionsCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out) {
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    if (!OpenFileAsItStands(file, host, arguments.file)) return CLI_FAILED;
    const SOptionsResult result{ShownOptionRows(session.image, session.program, session.form.cbW8N)};
    const std::string text = arguments.json ? OptionsJson(result).dump() + "\n" : OptionsText(result);
    std::fputs(text.c_str(), out);
    std::fflush(out);
    return CLI_OK;
}

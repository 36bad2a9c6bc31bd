#include "cli/CliMain.h"

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliSessionSetup.h"
#include "cli/CliUsage.h"
#include "cli/ConsoleHost.h"

namespace {

int UsageError(const std::string& reason, std::FILE* err) {
    std::fprintf(err, "gwcli: %s\n%s", reason.c_str(), std::string(CliUsageText()).c_str());
    return CLI_USAGE;
}

int RunCommand(const SCliArguments& arguments, std::FILE* out, std::FILE* err) {
    CConsoleHost host({arguments.restart, arguments.force}, out, err);
    switch (arguments.command) {
        case ECliCommand::Search:
            return RunSearchCommand(arguments, host, out);
        case ECliCommand::Read:
            return RunReadCommand(arguments, host);
        case ECliCommand::Write:
            return RunWriteCommand(arguments, host);
        case ECliCommand::Check:
            return RunCheckCommand(arguments, host);
        case ECliCommand::Show:
            return RunShowCommand(arguments, host, out);
        case ECliCommand::Options:
            return RunOptionsCommand(arguments, host, out);
        case ECliCommand::Edit:
            return RunEditCommand(arguments, host, err);
        case ECliCommand::Driver:
            return RunDriverCommand(arguments, host, out, err);
        case ECliCommand::Help:
        case ECliCommand::Version:
            break;
    }
    return CLI_USAGE;
}

}  // namespace

int RunGwCli(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    const SCliParseResult parsed = ParseCliArguments(words);
    if (!parsed.Ok()) return UsageError(parsed.error, err);
    const SCliArguments& arguments = parsed.arguments;
    if (arguments.command == ECliCommand::Help) {
        std::fputs(std::string(CliHelpText()).c_str(), out);
        return CLI_OK;
    }
    if (arguments.command == ECliCommand::Version) {
        std::fputs(GW_VERSION_TEXT "\n", out);
        return CLI_OK;
    }
    if (const std::string reason = MissingPortReason(arguments); !reason.empty())
        return UsageError(reason, err);
    return RunCommand(arguments, out, err);
}

#include "cli/CliMain.h"

#include <unistd.h>

#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliExitStatus.h"
#include "cli/CliSessionSetup.h"
#include "cli/CliUsage.h"
#include "cli/ConsoleHost.h"
#include "core/traffic/CaptureFiles.h"

namespace {

int UsageError(const std::string& reason, std::FILE* err) {
    std::fprintf(err, "gwcli: %s\n%s", reason.c_str(), std::string(CliUsageText()).c_str());
    return CLI_USAGE;
}

}  // namespace

int RunGwCli(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    const SCliParseResult parsed = ParseCliArguments(words);
    if (!parsed.Ok()) return UsageError(parsed.error, err);
    if (parsed.request == ECliRequest::Help) {
        std::fputs(parsed.helpText.c_str(), out);
        return CLI_OK;
    }
    if (parsed.request == ECliRequest::Version) {
        std::fputs(GW_VERSION_TEXT "\n", out);
        return CLI_OK;
    }
    SCliArguments arguments = parsed.arguments;
    if (const std::string reason = MissingPortReason(arguments); !reason.empty())
        return UsageError(reason, err);
    // The capture files are opened before the line is touched, so that one that cannot be written stops
    // the command before any exchange.
    CCaptureFiles capture;
    if (capture.Open(arguments.tracePath, arguments.pcapPath) != 0) {
        std::fprintf(err, "gwcli: cannot write %s: %s\n", capture.FailurePath().c_str(),
                     capture.FailureReason().c_str());
        return CLI_FAILED;
    }
    if (capture.Any()) arguments.linkObserver = &capture.Recorder();
    // A JSON document or a monitor's readings own standard output; the boxes' texts then go to standard
    // error.
    const bool messagesOnStderr = arguments.json || arguments.command->readingsOnStdout;
    CConsoleHost host({arguments.restart, arguments.force, !arguments.restart || arguments.force},
                      messagesOnStderr ? err : out, err);
    host.DrawProgress(::isatty(::fileno(err)) == 1);
    const int status = arguments.command->run(arguments, host, {out, err, arguments.json});
    if (capture.WritesSucceeded()) return status;
    std::fprintf(err, "gwcli: the capture files could not be written completely\n");
    return status == CLI_OK ? CLI_FAILED : status;
}

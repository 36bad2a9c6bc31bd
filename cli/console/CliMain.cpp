#include "cli/console/CliMain.h"

#include <unistd.h>

#include <algorithm>

#include "cli/commands/CliCommand.h"
#include "cli/console/CliArguments.h"
#include "cli/console/CliErrorDocument.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliUsage.h"
#include "cli/console/ConsoleHost.h"
#include "cli/session/CliSessionSetup.h"
#include "core/traffic/CaptureFiles.h"

namespace {

bool AsksForJson(const std::vector<std::string>& words) {
    return std::find(words.begin(), words.end(), "--json") != words.end();
}

// The reason and the usage of the command (of gwcli when no command is known) on standard error; with
// --json also the error document on standard output.
int UsageError(const std::string& reason, const SCliCommand* command, bool json, std::FILE* out,
               std::FILE* err) {
    std::fprintf(err, "gwcli: %s\n%s", reason.c_str(), CommandUsageText(command).c_str());
    if (json) PrintJson({out, err, true}, UsageErrorDocument(reason));
    return CLI_USAGE;
}

// With --json a command that failed without printing its own document prints the error document, and so
// does a watching monitor whose readings a failure ended.
bool ErrorDocumentDue(const SCliArguments& arguments, int status, int documents) {
    if (!arguments.json || status == CLI_OK) return false;
    return documents == 0 || arguments.watchMs.has_value();
}

// The capture files are opened before the line is touched, so that one that cannot be written stops the
// command before any exchange.
int RunWithCapture(SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CCaptureFiles capture;
    if (capture.Open(arguments.tracePath, arguments.pcapPath) != 0) {
        host.Refuse("cannot write " + capture.FailurePath() + ": " + capture.FailureReason());
        return CLI_FAILED;
    }
    arguments.linkObservers.push_back(&host.Exchanges());
    if (capture.Any()) arguments.linkObservers.push_back(&capture.Recorder());
    // The progress bar and the line of a long wait go to a terminal only, and never beside a JSON document.
    const bool onTerminal = ::isatty(::fileno(output.err)) == 1 && !arguments.json;
    host.DrawProgress(onTerminal);
    if (onTerminal) arguments.longWaitObserver = [&host](const SLongWait* wait) { host.ShowLongWait(wait); };
    const int status = arguments.command->run(arguments, host, output);
    if (capture.WritesSucceeded()) return status;
    host.Refuse("the capture files could not be written completely");
    return status == CLI_OK ? CLI_FAILED : status;
}

}  // namespace

int RunGwCli(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    const SCliParseResult parsed = ParseCliArguments(words);
    if (!parsed.Ok()) return UsageError(parsed.error, parsed.arguments.command, AsksForJson(words), out, err);
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
        return UsageError(reason, arguments.command, arguments.json, out, err);
    // A JSON document owns standard output; the boxes' texts then go to standard error. Without it every
    // command prints information and questions on standard output.
    CConsoleHost host({arguments.restart, arguments.force, !arguments.restart || arguments.force},
                      arguments.json ? err : out, err);
    int documents = 0;
    const SCliOutput output{out, err, arguments.json, &documents};
    const int status = RunWithCapture(arguments, host, output);
    if (ErrorDocumentDue(arguments, status, documents)) PrintJson(output, ErrorDocument(host.Failure(), status));
    return status;
}

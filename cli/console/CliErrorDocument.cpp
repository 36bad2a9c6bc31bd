#include "cli/console/CliErrorDocument.h"

#include "cli/console/CliExitStatus.h"
#include "cli/console/InterruptFlag.h"

namespace {
constexpr const char* STOPPED_BY_CTRL_C = "stopped by Ctrl-C";
constexpr const char* FAILED = "the command failed";
}  // namespace

CliJson ErrorDocument(const std::optional<SCliFailure>& failure, int exitStatus) {
    CliJson error;
    const char* ending = exitStatus == CLI_INTERRUPTED ? STOPPED_BY_CTRL_C : FAILED;
    error["message"] = failure ? failure->message : ending;
    error["details"] = failure ? failure->details : std::vector<std::string>{};
    if (failure && !failure->verdict.empty()) error["verdict"] = failure->verdict;
    error["exit"] = exitStatus;
    return {{"error", error}};
}

CliJson UsageErrorDocument(const std::string& reason) {
    return ErrorDocument(SCliFailure{reason, {}, {}}, CLI_USAGE);
}

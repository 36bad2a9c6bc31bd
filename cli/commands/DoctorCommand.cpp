// gwcli doctor: the connection check of the Setting menu, its steps printed as they end, then the
// verdict and what to do; the exit status is 0 only when the unit answers.
#include <algorithm>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/session/CliSessionSetup.h"
#include "core/app/texts/ConnectionCheckText.h"
#include "core/diagnosis/SessionConnectionCheck.h"

namespace {

void PrintStep(const SConnectionCheckStep& step, const SCliOutput& output) {
    std::fprintf(output.out, "%s: %s\n", step.step.c_str(), step.result.c_str());
    std::size_t start = 0;
    while (start < step.detail.size()) {
        const std::size_t end = std::min(step.detail.find('\n', start), step.detail.size());
        std::fprintf(output.out, "  %s\n", step.detail.substr(start, end - start).c_str());
        start = end + 1;
    }
    std::fflush(output.out);
}

// Prints each step once it has ended, so that a slow step shows what came before it.
class CStepPrinter {
public:
    explicit CStepPrinter(const SCliOutput& output) : output_(output) {}
    void operator()(const SConnectionCheckResult& result) {
        const std::size_t ended = result.finished || result.steps.empty() ? result.steps.size()
                                  : result.steps.back().result == ConnectionCheckText::RESULT_RUNNING
                                      ? result.steps.size() - 1
                                      : result.steps.size();
        for (; printed_ < ended; ++printed_) PrintStep(result.steps[printed_], output_);
    }

private:
    const SCliOutput& output_;
    std::size_t printed_ = 0;
};

CliJson JsonOf(const SConnectionCheckResult& result) {
    CliJson steps = CliJson::array();
    for (const SConnectionCheckStep& step : result.steps)
        steps.push_back({{"step", step.step}, {"result", step.result}, {"detail", step.detail}});
    return {
        {"verdict", VerdictKeyword(result.verdict)}, {"steps", steps}, {"fix", ConnectionCheckFix(result)}};
}

int RunDoctor(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    CStepPrinter printer(output);
    ConnectionCheckObserver observer;
    if (!output.json) observer = std::ref(printer);
    const SConnectionCheckResult result = CheckSessionConnection(session, observer);
    if (output.json) {
        PrintJson(output, JsonOf(result));
    } else {
        std::fprintf(output.out, "verdict: %s\n%s\n", std::string(VerdictKeyword(result.verdict)).c_str(),
                     ConnectionCheckFix(result).c_str());
    }
    return result.verdict == EConnectionVerdict::Ok ? CLI_OK : CLI_FAILED;
}

}  // namespace

const SCliCommand DoctorCommand = {
    "doctor",
    "doctor",
    "check the connection step by step, changing nothing on the unit: the device, opening it,\n"
    "Report Slave ID at the configured speed and, when nothing answers, at the other speeds;\n"
    "prints each step, the verdict and the fix; exits 0 only for ok; --json: {\"verdict\",\n"
    "\"steps\":[{\"step\", \"result\", \"detail\"}, ...], \"fix\"}\n",
    nullptr,
    nullptr,
    RunDoctor,
    true,
};

#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliSessionSetup.h"

int RunSearchCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    const std::vector<int> found = SearchUnits(session, host);
    for (const int unitNo : found) {
        std::fprintf(out, "unit %d slots %d\n", unitNo,
                     session.unitAxisSlots[static_cast<std::size_t>(unitNo)]);
    }
    std::fflush(out);
    return found.empty() ? CLI_FAILED : CLI_OK;
}

#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliSessionSetup.h"
#include "core/app/texts/MsgText.h"
#include "core/service/SearchUnit.h"

namespace {
constexpr std::size_t MSG_NO_UNIT = 57;
}  // namespace

int RunSearchCommand(const SCliArguments& arguments, CConsoleHost& host, std::FILE* out) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    CSearchUnit search(session.link, host, session.form.flags, session.program.Comm, session.unitAxisSlots);
    search.Timer1Timer();
    if (search.foundUnits.empty()) {
        // A port that could not be opened has been reported by the search already.
        if (session.form.flags.portOpen) host.Print(MsgText[MSG_NO_UNIT], MB_ICON_ERROR);
        return CLI_FAILED;
    }
    for (const int unitNo : search.foundUnits) {
        std::fprintf(out, "unit %d slots %d\n", unitNo,
                     session.unitAxisSlots[static_cast<std::size_t>(unitNo)]);
    }
    std::fflush(out);
    return CLI_OK;
}

#include "cli/MonitorSessionSetup.h"

#include "cli/CliSessionSetup.h"
#include "core/procedures/ReadParameters.h"

bool PrepareMonitorSession(CSession& session, CConsoleHost& host, const SCliArguments& arguments) {
    ApplyRunSettings(session, arguments);
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return false;
    LayOutMainWindow(session, unit.axisSlots);
    return ReadParameters(session) == 0 && session.form.MenuMoniter1.enabled;
}

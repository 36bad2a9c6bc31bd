#include "cli/session/MonitorConnection.h"

#include <vector>

#include "cli/console/CliExitStatus.h"
#include "cli/session/CliSessionSetup.h"
#include "core/app/texts/MsgText.h"
#include "core/link/CommResult.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/procedures/ReadParameters.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr std::uint16_t REG_GVER = 0xF101;

// A fresh port and a unit that may still be at 9600 bit/s: open the port and bring the unit to the
// configured speed, as a parameter read does. The unit search has done both already when it ran.
int OpenAtConfiguredSpeed(CSession& session, CConsoleHost& host) {
    if (session.form.flags.portOpen) return CLI_OK;
    if (session.OpenPortIfClosed() != COMM_OK) {
        ShowPortOpenError(host, session.link, MB_ICON_ERROR);
        return CLI_FAILED;
    }
    return session.SwitchSpeed() == COMM_OK ? CLI_OK : CLI_FAILED;
}

int ReadKavelisFirmware(CSession& session) {
    if (session.program.SelectedGwType != GW_KAVELIS) return CLI_OK;
    std::vector<std::uint16_t> version;
    if (ReadHoldingRegisters(session, REG_GVER, 1, version) != COMM_OK) return CLI_FAILED;
    session.image.Word(GVER) = version[0];
    return CLI_OK;
}

int ConnectAtSpeed(CSession& session, CConsoleHost& host) {
    if (OpenAtConfiguredSpeed(session, host) != CLI_OK) return CLI_FAILED;
    session.form.MenuMoniter1.enabled = true;
    return ReadKavelisFirmware(session);
}

// The read enables the Monitor menu when it succeeds.
int ReadParameterSet(CSession& session) {
    return ReadParameters(session) == 0 && session.form.MenuMoniter1.enabled ? CLI_OK : CLI_FAILED;
}

}  // namespace

int ConnectForMonitor(CSession& session, CConsoleHost& host, const SCliArguments& arguments,
                      EMonitorNeeds needs) {
    ApplyRunSettings(session, arguments);
    host.NameFailedSendAs(MsgText[MSG_DATA_READ_FAILURE]);
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return CLI_FAILED;
    LayOutMainWindow(session, unit.axisSlots);
    return needs == EMonitorNeeds::Parameters ? ReadParameterSet(session) : ConnectAtSpeed(session, host);
}

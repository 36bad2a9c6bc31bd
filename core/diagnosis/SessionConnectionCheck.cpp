#include "core/diagnosis/SessionConnectionCheck.h"

#include <algorithm>

SConnectionCheckSetup ConnectionCheckSetupOf(const CSession& session) {
    SConnectionCheckSetup setup;
    setup.type = session.program.SelectedGwType;
    setup.portNum = session.program.Comm.CurrentPortNum;
    setup.baudIndex = session.program.Comm.CurrentBaudIndex;
    setup.ports = session.link.PortOverrides();
    setup.portMappedForRun = session.portMappedForRun;
    setup.responseTimeoutMs = session.link.GetResponseTimeout();
    setup.scanTimeoutMs = std::min(setup.scanTimeoutMs, setup.responseTimeoutMs);
    return setup;
}

namespace {
SConnectionCheckResult RunOnSession(CSession& session, const SConnectionCheckSetup& setup,
                                    const ConnectionCheckObserver& observer) {
    SMainFlags& flags = session.form.flags;
    if (flags.portOpen) {
        session.link.Close();
        flags.portOpen = false;
    }
    flags.commBusy = true;
    const SConnectionCheckResult result = RunConnectionCheck(setup, session.link, observer);
    flags.commBusy = false;
    return result;
}
}  // namespace

SConnectionCheckResult CheckSessionConnection(CSession& session, const ConnectionCheckObserver& observer) {
    return RunOnSession(session, ConnectionCheckSetupOf(session), observer);
}

SConnectionCheckResult FindUnitAtOtherSpeed(CSession& session) {
    SConnectionCheckSetup setup = ConnectionCheckSetupOf(session);
    setup.onlyOtherSpeeds = true;
    return RunOnSession(session, setup, {});
}

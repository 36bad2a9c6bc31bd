#pragma once
// The connection check as the main window and gwcli run it: on the session's one link, with the port,
// speed and gateway type of the session.
#include "core/diagnosis/ConnectionCheck.h"
#include "core/procedures/Session.h"

// The setup from the session: its port, speed, [Ports] mapping and reply time-out.
SConnectionCheckSetup ConnectionCheckSetupOf(const CSession& session);

// Runs the check with `commBusy` set, so that nothing else talks to the unit meanwhile. A port the
// window holds open is closed first, because the check opens it itself to see why it may fail; it is
// left closed, and the next operation opens it again.
SConnectionCheckResult CheckSessionConnection(CSession& session,
                                              const ConnectionCheckObserver& observer = {});

// The check's device and opening steps, then listening at the other speeds only: for a caller that has
// just seen nothing at all come back at the configured speed.
SConnectionCheckResult FindUnitAtOtherSpeed(CSession& session);

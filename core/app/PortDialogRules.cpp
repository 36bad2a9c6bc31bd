#include "core/app/PortDialogRules.h"

bool PortSettingsChanged(const SGWCommunicate& before, const SGWCommunicate& after) {
    return before.CurrentPortNum != after.CurrentPortNum || before.CurrentBaudIndex != after.CurrentBaudIndex;
}

SPortDialogOutcome RunPortDialog(SMainFlags& flags, SGWCommunicate& comm,
                                 const std::function<void()>& showDialog) {
    SPortDialogOutcome outcome;
    if (flags.commBusy) return outcome;
    const SGWCommunicate before = comm;
    showDialog();
    outcome.dialogShown = true;
    if (PortSettingsChanged(before, comm) && flags.portOpen) {
        flags.portOpen = false;
        outcome.closePort = true;
    }
    return outcome;
}

#include "core/app/MainWindowPrompts.h"

#include "core/app/texts/MsgText.h"

namespace {

constexpr int MSG_TRANSMIT_NOW = 40;
constexpr int MSG_NOT_EFFECTIVE_UNTIL_TRANSMITTED = 41;
constexpr int MSG_EXIT_WITHOUT_TRANSMITTING = 42;
constexpr unsigned QUESTION_NO_DEFAULT = MB_YES_NO | MB_ICON_QUESTION | MB_SECOND_DEFAULT;

}  // namespace

bool UntransmittedChanges(const SMainFlags& flags) {
    return flags.specialParamsModified || flags.unitNoModified || flags.etherIpModified;
}

bool CloseQueryAllowsExit(const SMainFlags& flags, HostServices& host) {
    // A read or write is running: closing now would take the port from under its exchange.
    if (flags.commBusy) return false;
    if (!UntransmittedChanges(flags)) return true;
    return host.ShowMessageBox(MsgText[MSG_EXIT_WITHOUT_TRANSMITTING], QUESTION_NO_DEFAULT) == ID_YES;
}

bool AskTransmitNow(HostServices& host) {
    if (host.ShowMessageBox(MsgText[MSG_TRANSMIT_NOW], QUESTION_NO_DEFAULT) == ID_YES) return true;
    host.ShowMessageBox(MsgText[MSG_NOT_EFFECTIVE_UNTIL_TRANSMITTED], MB_ICON_INFORMATION);
    return false;
}

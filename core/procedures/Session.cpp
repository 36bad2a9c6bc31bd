#include "core/procedures/Session.h"

#include "core/link/ExchangeCause.h"
#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/ModbusTransaction.h"
#include "core/params/edit/FieldEditRefresh.h"

CSession::CSession(HostServices& hostServices) : host(hostServices), link(hostServices) {
    // A port whose device has gone is closed by the link; the next operation opens it again.
    link.SetLinkLostHandler([this] { form.flags.portOpen = false; });
}

namespace {
// The first exchange at a kept speed: one attempt, a silent link failure left to the caller.
constexpr STransactPolicy FIRST_EXCHANGE_AT_KEPT_SPEED{1, 1, false};
}  // namespace

int CSession::Transact(std::string_view requestText, std::uint8_t* replyBuffer, std::size_t& replyLength) {
    if (firstExchangeAfterKeptSpeed) {
        firstExchangeAfterKeptSpeed = false;
        return TransactAfterKeptSpeed(requestText, replyBuffer, replyLength);
    }
    return ModbusTransact(link, host, form.flags.commBusy, requestText, replyBuffer, replyLength);
}

// Nothing or only broken bytes came back: the unit may have restarted at its default speed. One switch
// brings it back, and the exchange runs again as any other does. A reply that came whole but did not
// answer has been reported already and stays the exchange's end.
int CSession::TransactAfterKeptSpeed(std::string_view requestText, std::uint8_t* replyBuffer,
                                     std::size_t& replyLength) {
    const bool busyBefore = form.flags.commBusy;
    const int first = ::Transact(FIRST_EXCHANGE_AT_KEPT_SPEED, link, host, form.flags.commBusy, requestText,
                                 replyBuffer, replyLength);
    if (first != COMM_FAILED || link.StopRequested() || !link.IsOpen()) return first;
    const EReplyKind got = OutcomeOfReply(requestText, replyBuffer, replyLength, link.Bps()).Reply().kind;
    if (ReplyKindRank(got) < ReplyKindRank(EReplyKind::Incomplete)) return first;
    form.flags.commBusy = busyBefore;
    speedEstablished = false;
    if (SwitchGatewaySpeedNow({}) != COMM_OK) return COMM_FAILED;
    return ModbusTransact(link, host, form.flags.commBusy, requestText, replyBuffer, replyLength);
}

int CSession::SwitchSpeed(const std::function<void()>& beforeBroadcast) {
    if (oneSpeedSwitchPerRun && speedEstablished && link.BaudIndex() == program.Comm.CurrentBaudIndex) {
        if (beforeBroadcast) beforeBroadcast();
        firstExchangeAfterKeptSpeed = true;
        return COMM_OK;
    }
    return SwitchGatewaySpeedNow(beforeBroadcast);
}

int CSession::SwitchGatewaySpeedNow(const std::function<void()>& beforeBroadcast) {
    const TransactFunction transact = [this, &beforeBroadcast](std::string_view text, std::uint8_t* reply,
                                                               std::size_t& length) {
        if (beforeBroadcast) beforeBroadcast();
        return ModbusTransact(link, host, form.flags.commBusy, text, reply, length);
    };
    const int result = SwitchGatewaySpeed(transact, link, program.Comm.CurrentBaudIndex);
    speedEstablished = result == COMM_OK;
    return result;
}

int CSession::OpenPortIfClosed() {
    // A device that went away since the last operation (an adapter unplugged and plugged in again) is
    // opened anew instead of failing every exchange.
    if (form.flags.portOpen && link.StillConnected()) return COMM_OK;
    form.flags.portOpen = false;
    if (link.Open(program.Comm.CurrentPortNum, 0) != COMM_OK) return COMM_OPEN_FAILED;
    form.flags.portOpen = true;
    return COMM_OK;
}

void CSession::Refresh() {
    RefreshAfterEdit(image, form, program, host);
}

void CSession::WaitPumping(int ms) {
    link.Pause(ms);
}

void LockMainWindow(CSession& session, bool enabled) {
    session.form.MenuFile1.enabled = enabled;
    session.form.MenuSet1.enabled = enabled;
    session.form.MenuHelp1.enabled = enabled;
    session.windowEnabled = enabled;
}

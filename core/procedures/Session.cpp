#include "core/procedures/Session.h"

#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/ModbusTransaction.h"
#include "core/params/edit/FieldEditRefresh.h"

CSession::CSession(HostServices& hostServices) : host(hostServices), link(hostServices) {
    // A port whose device has gone is closed by the link; the next operation opens it again.
    link.SetLinkLostHandler([this] { form.flags.portOpen = false; });
}

int CSession::Transact(std::string_view requestText, std::uint8_t* replyBuffer, std::size_t& replyLength) {
    return ModbusTransact(link, host, form.flags.commBusy, requestText, replyBuffer, replyLength);
}

int CSession::SwitchSpeed(const std::function<void()>& beforeBroadcast) {
    const TransactFunction transact = [this, &beforeBroadcast](std::string_view text, std::uint8_t* reply,
                                                               std::size_t& length) {
        if (beforeBroadcast) beforeBroadcast();
        return Transact(text, reply, length);
    };
    return SwitchGatewaySpeed(transact, link, program.Comm.CurrentBaudIndex);
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

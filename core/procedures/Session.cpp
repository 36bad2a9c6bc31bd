#include "core/procedures/Session.h"

#include <chrono>
#include <thread>

#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/ModbusTransaction.h"
#include "core/params/FieldEditRefresh.h"

CSession::CSession(HostServices& hostServices) : host(hostServices), link(hostServices) {}

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
    if (form.flags.portOpen) return COMM_OK;
    if (link.Open(program.Comm.CurrentPortNum, 0) != COMM_OK) return COMM_OPEN_FAILED;
    form.flags.portOpen = true;
    return COMM_OK;
}

void CSession::Refresh() { RefreshAfterEdit(image, form, program, host); }

void CSession::WaitPumping(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        host.ProcessPendingEvents();
    }
}

void LockMainWindow(CSession& session, bool enabled) {
    session.form.MenuFile1.enabled = enabled;
    session.form.MenuSet1.enabled = enabled;
    session.form.MenuHelp1.enabled = enabled;
    session.windowEnabled = enabled;
}

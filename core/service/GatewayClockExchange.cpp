#include "core/service/GatewayClockExchange.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "core/app/texts/MsgText.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr unsigned SUB_SET_CLOCK = 0x18;
constexpr std::uint8_t STATUS_NOT_MANU = 0x2E;
constexpr std::uint8_t STATUS_BAD_TIME = 0x11;

constexpr int MSG_TIME_SENT = 50;
constexpr int MSG_TIME_SEND_FAILED = 51;
constexpr int MSG_NOT_MANU = 60;
constexpr int MSG_BAD_TIME = 61;

std::string SetClockText(std::uint8_t slave, std::uint32_t seconds) {
    char text[24];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X%08X", unsigned{slave}, unsigned{FN_VENDOR}, 0u, SUB_SET_CLOCK,
                  static_cast<unsigned>(seconds));
    return text;
}

// Runs one exchange with `commBusy` set and cleared again, whatever the transaction did with it.
template <typename Exchange>
int UnderCommBusy(CSession& session, Exchange exchange) {
    session.form.flags.commBusy = true;
    const int result = exchange();
    session.form.flags.commBusy = false;
    return result;
}

}  // namespace

EClockSetOutcome SendGatewayTime(CSession& session, std::uint32_t seconds) {
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t length = 0;
    const int result = UnderCommBusy(session, [&] {
        return session.Transact(SetClockText(session.program.GwSlaveAddress, seconds), reply.data(), length);
    });
    // The transaction took the reply only with its status (and the sub-function, where the unit adds it).
    if (result != COMM_OK) return EClockSetOutcome::Failed;
    if (reply[VENDOR_STATUS_OFFSET] == STATUS_NOT_MANU) return EClockSetOutcome::NotManu;
    if (reply[VENDOR_STATUS_OFFSET] == STATUS_BAD_TIME) return EClockSetOutcome::BadTime;
    return EClockSetOutcome::Done;
}

void ShowClockSetOutcome(HostServices& host, EClockSetOutcome outcome) {
    switch (outcome) {
        case EClockSetOutcome::Done:
            host.ShowMessageBox(MsgText[MSG_TIME_SENT], MB_OK_ONLY | MB_ICON_INFORMATION);
            break;
        case EClockSetOutcome::NotManu:
            host.ShowMessageBox(MsgText[MSG_NOT_MANU], MB_OK_ONLY | MB_ICON_WARNING);
            break;
        case EClockSetOutcome::BadTime:
            host.ShowMessageBox(MsgText[MSG_BAD_TIME], MB_OK_ONLY | MB_ICON_WARNING);
            break;
        case EClockSetOutcome::Failed:
            host.ShowMessageBox(MsgText[MSG_TIME_SEND_FAILED], MB_OK_ONLY | MB_ICON_INFORMATION);
            break;
    }
}

int ReadGatewayTime(CSession& session, std::uint32_t& seconds) {
    std::vector<std::uint16_t> words;
    const int result =
        UnderCommBusy(session, [&] { return ReadHoldingRegisters(session, REG_GATEWAY_CLOCK, 2, words); });
    if (result == COMM_OK) seconds = (std::uint32_t{words[0]} << 16) | words[1];
    return result;
}

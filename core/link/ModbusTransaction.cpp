#include "core/link/ModbusTransaction.h"

#include <array>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/MsgText.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/ExchangeCause.h"
#include "core/link/ModbusBytes.h"
#include "core/link/ReplyClassification.h"

namespace {

constexpr std::uint8_t BROADCAST_ADDRESS = 0;

const std::string_view& SendFailedText() {
    return MsgText[11];
}
const std::string_view& ReceiveTimeoutText() {
    return CommonMsgText[COMMON_MSG_RECEIVE_TIMEOUT];
}
const std::string_view& ReceiveDataErrorText() {
    return CommonMsgText[COMMON_MSG_RECEIVE_DATA_ERROR];
}

int Fail(bool& busyFlag, int result) {
    busyFlag = false;
    return result;
}

int FailWithMessage(HostServices& host, bool& busyFlag, std::string_view text) {
    host.ShowMessageBox(text, MB_OK_ONLY | MB_ICON_ERROR);
    return Fail(busyFlag, COMM_FAILED);
}

// A link failure names below the message what went wrong with the link: the server and its fault on a
// port on the network, the device that went away on a local one.
int FailWithLinkFault(HostServices& host, bool& busyFlag, std::string_view text, const CCommUnit& link,
                      int result) {
    const std::string detail = link.LinkFaultDetail(result);
    if (detail.empty()) return FailWithMessage(host, busyFlag, text);
    host.ShowMessageBoxWithDetail(text, MB_OK_ONLY | MB_ICON_ERROR, detail);
    return Fail(busyFlag, COMM_FAILED);
}

// The box of a failed exchange with what went wrong below it: when the reply did not come whole because
// of the link (a server's fault, a device that went away) that, else what the last attempt got back and
// what helps.
int FailExplained(HostServices& host, bool& busyFlag, std::string_view text, const CCommUnit& link,
                  const SExchangeOutcome& outcome) {
    std::string detail;
    if (outcome.receiveResult != COMM_OK) detail = link.LinkFaultDetail(outcome.receiveResult);
    if (detail.empty()) detail = ExchangeCauseDetail({&outcome, 1});
    host.ShowMessageBoxWithDetail(text, MB_OK_ONLY | MB_ICON_ERROR, detail);
    return Fail(busyFlag, COMM_FAILED);
}

SExchangeOutcome OutcomeOf(const std::uint8_t* frame, std::size_t frameLength, const std::uint8_t* reply,
                           std::size_t replyLength, int receiveResult, const CCommUnit& link) {
    return {{frame, frame + frameLength}, {reply, reply + replyLength}, receiveResult, link.Bps()};
}

}  // namespace

int CheckReply(std::span<const std::uint8_t> request, std::span<const std::uint8_t> reply) {
    const SReplyClass judged = ClassifyReply(request, reply, COMM_OK);
    if (judged.kind == EReplyKind::Valid) return COMM_OK;
    if (judged.kind == EReplyKind::Exception && judged.exceptionCode == EXCEPTION_SLAVE_BUSY) return COMM_BUSY;
    return COMM_BAD_REPLY;
}

int Transact(const STransactPolicy& policy, CCommUnit& link, HostServices& host, bool& busyFlag,
             std::string_view requestText, std::uint8_t* replyBuffer, std::size_t& replyLength) {
    // One byte more than the frame needs: an odd last digit is converted and then dropped.
    std::array<std::uint8_t, TX_FRAME_BUFFER_SIZE + 1> frame{};
    replyLength = 0;
    if (requestText.size() > MAX_REQUEST_DIGITS) return Fail(busyFlag, COMM_FAILED);
    if (HexTextToBytes(requestText, frame.data()) != 0) return Fail(busyFlag, COMM_FAILED);
    std::size_t frameLength = requestText.size() / 2;
    const std::uint16_t crc = Crc16Modbus(frame.data(), frameLength);
    frame[frameLength++] = static_cast<std::uint8_t>(crc >> 8);
    frame[frameLength++] = static_cast<std::uint8_t>(crc & 0xFF);

    int sendBudget = policy.sendBudget;
    int receiveBudget = policy.receiveBudget;
    int attempt = 0;
    while (true) {
        link.SetAttempt(++attempt);
        const int sent = link.Write(frame.data(), frameLength);
        // The user asked to stop: the exchange ends here, without a message and without a retry.
        if (sent == COMM_STOPPED) return Fail(busyFlag, COMM_FAILED);
        if (sent != COMM_OK) {
            if (--sendBudget > 0 && !link.StopRequested()) {
                host.ProcessPendingEvents();
                continue;
            }
            if (!policy.reportLinkFailures) return Fail(busyFlag, COMM_FAILED);
            return FailWithLinkFault(host, busyFlag, SendFailedText(), link, COMM_FAILED);
        }
        if (frame[0] == BROADCAST_ADDRESS) {
            link.Pause(BROADCAST_PAUSE_MS);
            return COMM_OK;
        }
        const int received = link.Receive(replyBuffer, replyLength);
        if (received == COMM_OK) break;
        if (received == COMM_STOPPED) return Fail(busyFlag, COMM_FAILED);
        if (policy.reportLinkFailures) host.AdvanceProgress(FAILED_RECEIVE_PROGRESS_STEP);
        // After a stop request a failed exchange is not tried again: it ends here, without a message.
        if (link.StopRequested()) return Fail(busyFlag, COMM_FAILED);
        if (--receiveBudget > 0) {
            host.ProcessPendingEvents();
            continue;
        }
        if (!policy.reportLinkFailures) return Fail(busyFlag, COMM_FAILED);
        return FailExplained(host, busyFlag, ReceiveTimeoutText(), link,
                             OutcomeOf(frame.data(), frameLength, replyBuffer, replyLength, received, link));
    }

    switch (CheckReply({frame.data(), frameLength}, {replyBuffer, replyLength})) {
        case COMM_OK:
            return COMM_OK;
        case COMM_BUSY:
            return Fail(busyFlag, COMM_BUSY);
        default:
            return FailExplained(host, busyFlag, ReceiveDataErrorText(), link,
                                 OutcomeOf(frame.data(), frameLength, replyBuffer, replyLength, COMM_OK, link));
    }
}

int ModbusTransact(CCommUnit& link, HostServices& host, bool& commBusy, std::string_view requestText,
                   std::uint8_t* replyBuffer, std::size_t& replyLength) {
    return Transact(MAIN_WINDOW_TRANSACT, link, host, commBusy, requestText, replyBuffer, replyLength);
}

int SearchTransact(CCommUnit& link, HostServices& host, bool& searchBusy, std::string_view requestText,
                   std::uint8_t* replyBuffer, std::size_t& replyLength) {
    return Transact(SEARCH_TRANSACT, link, host, searchBusy, requestText, replyBuffer, replyLength);
}

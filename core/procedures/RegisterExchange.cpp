#include "core/procedures/RegisterExchange.h"

#include <array>
#include <cstdio>

#include "core/app/texts/CommonMsgText.h"
#include "core/link/CommResult.h"
#include "core/link/ExchangeCause.h"
#include "core/link/ModbusBytes.h"
#include "core/link/ReadReplyShape.h"

namespace {

constexpr int COMMON_MSG_RECEIVE_DATA_ERROR = 58;
constexpr std::size_t REPLY_HEADER = 3;  // slave, function, byte count
constexpr std::size_t CRC_BYTES = 2;
constexpr std::size_t SLAVE_ID_MIN_FRAME = 8;  // header, slave ID, run indicator, three data bytes

std::string Hex(const char* format, auto... values) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), format, values...);
    return text.data();
}

std::string WriteHeader(std::uint8_t slave, std::uint16_t firstReg, unsigned registers) {
    return Hex("%02X%02X%04hX%04hX%02X", unsigned{slave}, unsigned{FN_WRITE_MULTIPLE}, firstReg,
               static_cast<unsigned short>(registers), 2 * registers);
}

// A reply that passed the transaction's check but does not fit the request: the box, with what came back.
int RefuseMalformedReply(CSession& session, std::string_view requestText, const std::uint8_t* reply,
                         std::size_t length) {
    const SExchangeOutcome outcome = OutcomeOfReply(requestText, reply, length, session.link.Bps());
    session.host.ShowMessageBoxWithDetail(CommonMsgText[COMMON_MSG_RECEIVE_DATA_ERROR], MB_ICON_ERROR,
                                          ExchangeCauseDetail({&outcome, 1}));
    session.form.flags.commBusy = false;
    return COMM_FAILED;
}

}  // namespace

std::string RegisterRequestText(std::uint8_t slave, std::uint8_t function, std::uint16_t reg, std::uint16_t value) {
    return Hex("%02X%02X%04hX%04hX", unsigned{slave}, unsigned{function}, reg, value);
}

std::string WriteWordsText(std::uint8_t slave, std::uint16_t firstReg, std::span<const std::uint16_t> words) {
    std::string text = WriteHeader(slave, firstReg, static_cast<unsigned>(words.size()));
    for (const std::uint16_t word : words) text += Hex("%04hX", word);
    return text;
}

std::string WriteLongsText(std::uint8_t slave, std::uint16_t firstReg, std::span<const std::uint32_t> values) {
    std::string text = WriteHeader(slave, firstReg, static_cast<unsigned>(2 * values.size()));
    for (const std::uint32_t value : values) text += Hex("%08X", value);
    return text;
}

int ReadHoldingRegisters(CSession& session, std::uint16_t firstReg, std::uint16_t count,
                         std::vector<std::uint16_t>& words) {
    return ReadHoldingRegistersFrom(session, session.program.GwSlaveAddress, firstReg, count, words);
}

int ReadHoldingRegistersFrom(CSession& session, std::uint8_t slave, std::uint16_t firstReg,
                             std::uint16_t count, std::vector<std::uint16_t>& words) {
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t length = 0;
    const std::string request = RegisterRequestText(slave, FN_READ_HOLDING, firstReg, count);
    const int result = session.Transact(request, reply.data(), length);
    if (result != COMM_OK) return result;
    if (!ReadReplyFits(reply.data(), length, count))
        return RefuseMalformedReply(session, request, reply.data(), length);
    words.resize(count);
    for (std::size_t i = 0; i < count; ++i) words[i] = GetBE16(&reply[REPLY_HEADER + 2 * i]);
    return COMM_OK;
}

int ReportSlaveId(CSession& session, std::vector<std::uint8_t>& reply) {
    std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
    std::size_t length = 0;
    const std::string request =
        Hex("%02X%02X", unsigned{session.program.GwSlaveAddress}, unsigned{FN_REPORT_SLAVE_ID});
    const int result = session.Transact(request, buffer.data(), length);
    if (result != COMM_OK) return result;
    if (length < REPLY_HEADER + CRC_BYTES || buffer[2] != length - REPLY_HEADER - CRC_BYTES) {
        return RefuseMalformedReply(session, request, buffer.data(), length);
    }
    // The frame without its CRC, padded with zeros to the identification bytes the tool looks at.
    reply.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length - CRC_BYTES));
    if (reply.size() < SLAVE_ID_MIN_FRAME) reply.resize(SLAVE_ID_MIN_FRAME, 0);
    return COMM_OK;
}

int SendWrite(CSession& session, const std::string& requestText) {
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t length = 0;
    return session.Transact(requestText, reply.data(), length);
}

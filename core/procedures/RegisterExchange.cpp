#include "core/procedures/RegisterExchange.h"

#include <array>
#include <cstdio>

#include "core/link/CommResult.h"
#include "core/link/ModbusBytes.h"

namespace {

std::string Hex(const char* format, auto... values) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), format, values...);
    return text.data();
}

std::string WriteHeader(std::uint8_t slave, std::uint16_t firstReg, unsigned registers) {
    return Hex("%02X%02X%04hX%04hX%02X", unsigned{slave}, unsigned{FN_WRITE_MULTIPLE}, firstReg,
               static_cast<unsigned short>(registers), 2 * registers);
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
    // The transaction took the reply only when its byte count names exactly `count` registers.
    words.resize(count);
    for (std::size_t i = 0; i < count; ++i) words[i] = GetBE16(&reply[COUNTED_REPLY_HEADER + 2 * i]);
    return COMM_OK;
}

int ReportSlaveId(CSession& session, std::vector<std::uint8_t>& reply) {
    // The unit search of this run has just asked the same unit at the speed the run keeps.
    std::vector<std::uint8_t> searched = std::move(session.searchedSlaveIdReply);
    session.searchedSlaveIdReply.clear();
    if (session.oneSpeedSwitchPerRun && session.speedEstablished && !searched.empty() &&
        searched[0] == session.program.GwSlaveAddress) {
        reply = std::move(searched);
        return COMM_OK;
    }
    std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
    std::size_t length = 0;
    const std::string request =
        Hex("%02X%02X", unsigned{session.program.GwSlaveAddress}, unsigned{FN_REPORT_SLAVE_ID});
    const int result = session.Transact(request, buffer.data(), length);
    if (result != COMM_OK) return result;
    // The transaction took the reply only when its byte count fits and it carries the identification.
    reply.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length - CRC_BYTES));
    return COMM_OK;
}

int SendWrite(CSession& session, const std::string& requestText) {
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t length = 0;
    return session.Transact(requestText, reply.data(), length);
}

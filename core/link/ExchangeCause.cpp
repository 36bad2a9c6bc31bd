#include "core/link/ExchangeCause.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "core/app/StartupRules.h"
#include "core/app/texts/ConnectionCheckText.h"
#include "core/app/texts/ExchangeCauseText.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/ModbusBytes.h"

namespace Text = ExchangeCauseText;

namespace {
// The functions the tool sends, by their code, under their standard Modbus names.
constexpr std::array<std::pair<std::uint8_t, std::string_view>, 4> FUNCTION_NAMES{{
    {0x03, Text::READ_HOLDING_REGISTERS},
    {0x05, Text::WRITE_SINGLE_COIL},
    {0x10, Text::WRITE_MULTIPLE_REGISTERS},
    {0x11, Text::REPORT_SLAVE_ID},
}};
constexpr int HIGHEST_UNIT_NUMBER = 1;
constexpr std::size_t SHOWN_GARBLED_BYTES = 16;  // a longer run of broken bytes is cut off with "..."

std::string_view ExceptionName(std::uint8_t code) {
    using namespace ConnectionCheckText;
    constexpr std::array<std::string_view, 6> names = {EXCEPTION_ILLEGAL_FUNCTION, EXCEPTION_ILLEGAL_ADDRESS,
                                                       EXCEPTION_ILLEGAL_VALUE,    EXCEPTION_DEVICE_FAILURE,
                                                       EXCEPTION_ACKNOWLEDGE,      EXCEPTION_BUSY};
    return code >= 1 && code <= names.size() ? names[code - 1u] : EXCEPTION_OTHER;
}

std::string FunctionName(std::uint8_t function) {
    for (const auto& [code, name] : FUNCTION_NAMES) {
        if (code == function) return std::string(name);
    }
    return std::string(Text::FUNCTION) + HexByteText(function);
}

// How much a kind of outcome explains, most first.
int Rank(EReplyKind kind) {
    switch (kind) {
        case EReplyKind::Echo:
            return 0;
        case EReplyKind::Exception:
            return 1;
        case EReplyKind::OtherAddress:
            return 2;
        case EReplyKind::Garbled:
            return 3;
        case EReplyKind::None:
            return 4;
        case EReplyKind::Valid:
            break;
    }
    return 5;
}

std::string OtherAddressFix(std::uint8_t address) {
    const int unitNo = address - FIRST_UNIT_ADDRESS;
    if (address < FIRST_UNIT_ADDRESS || unitNo > HIGHEST_UNIT_NUMBER) return std::string(Text::FIX_OTHER_ADDRESS);
    const std::string n = std::to_string(unitNo);
    return std::string(Text::FIX_OTHER_UNIT_FIRST) + n + std::string(Text::FIX_OTHER_UNIT_MIDDLE) + n +
           std::string(Text::FIX_OTHER_UNIT_LAST);
}
}  // namespace

std::string HexByteText(std::uint8_t byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte);
    return std::string(text) + "h";
}

std::string HexBytesText(std::span<const std::uint8_t> bytes, std::size_t shown) {
    std::string text;
    char byte[4];
    for (std::size_t i = 0; i < std::min(bytes.size(), shown); ++i) {
        std::snprintf(byte, sizeof byte, "%02X", bytes[i]);
        text += (text.empty() ? "" : " ") + std::string(byte);
    }
    if (bytes.size() > shown) text += " ...";
    return text;
}

SExchangeOutcome OutcomeOfReply(std::string_view requestText, const std::uint8_t* reply, std::size_t length,
                                int bps) {
    std::vector<std::uint8_t> frame(requestText.size() / 2 + 1);
    HexTextToBytes(requestText, frame.data());
    frame.resize(requestText.size() / 2);
    const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return {frame, {reply, reply + length}, COMM_OK, bps};
}

std::string ReplyDescription(const SReplyClass& reply, std::span<const std::uint8_t> received) {
    using namespace ConnectionCheckText;
    switch (reply.kind) {
        case EReplyKind::Valid:
            return std::string(VALID_REPLY);
        case EReplyKind::None:
            return std::string(NO_REPLY);
        case EReplyKind::Echo:
            return std::string(ECHO);
        case EReplyKind::Garbled:
            return std::string(GARBLED) + HexBytesText(received, SHOWN_GARBLED_BYTES);
        case EReplyKind::OtherAddress:
            return std::string(OTHER_ADDRESS) + HexByteText(reply.address);
        case EReplyKind::Exception:
            return std::string(EXCEPTION) + HexByteText(reply.exceptionCode) + " (" +
                   std::string(ExceptionName(reply.exceptionCode)) + ")";
    }
    return {};
}

std::string ExchangeCauseLine(const SExchangeOutcome& outcome) {
    if (outcome.request.size() < 2) return {};
    const SReplyClass reply = outcome.Reply();
    const std::string found = reply.kind == EReplyKind::Valid
                                  ? std::string(Text::DOES_NOT_FIT) + HexBytesText(outcome.received, SHOWN_GARBLED_BYTES)
                                  : ReplyDescription(reply, outcome.received);
    return FunctionName(outcome.request[1]) + std::string(Text::TO) + HexByteText(outcome.request[0]) +
           std::string(Text::AT) + std::to_string(outcome.bps) + std::string(Text::BPS) + found;
}

const SExchangeOutcome* MostTellingOutcome(std::span<const SExchangeOutcome> outcomes) {
    const SExchangeOutcome* best = nullptr;
    for (const SExchangeOutcome& outcome : outcomes) {
        const int rank = Rank(outcome.Reply().kind);
        if (rank < Rank(EReplyKind::Valid) && (best == nullptr || rank < Rank(best->Reply().kind)))
            best = &outcome;
    }
    return best;
}

std::string ExchangeFixLine(const SExchangeOutcome& outcome) {
    const SReplyClass reply = outcome.Reply();
    switch (reply.kind) {
        case EReplyKind::None:
            return std::string(Text::FIX_NO_REPLY);
        case EReplyKind::Echo:
            return std::string(Text::FIX_ECHO);
        case EReplyKind::Garbled:
            return std::string(Text::FIX_GARBLED);
        case EReplyKind::OtherAddress:
            return OtherAddressFix(reply.address);
        case EReplyKind::Exception:
            return std::string(reply.exceptionCode == EXCEPTION_SLAVE_BUSY ? Text::FIX_BUSY : Text::FIX_EXCEPTION);
        case EReplyKind::Valid:
            break;
    }
    return {};
}

std::string ExchangeCauseDetail(std::span<const SExchangeOutcome> outcomes) {
    std::string detail;
    for (const SExchangeOutcome& outcome : outcomes) {
        const std::string line = ExchangeCauseLine(outcome);
        if (!line.empty()) detail += (detail.empty() ? "" : "\n") + line;
    }
    if (const SExchangeOutcome* telling = MostTellingOutcome(outcomes))
        detail += (detail.empty() ? "" : "\n") + ExchangeFixLine(*telling);
    return detail;
}

std::string OtherSpeedDetail(int bps) {
    const std::string speed = std::to_string(bps);
    return std::string(Text::ANSWERS_AT) + speed + std::string(Text::BPS) + "\n" +
           std::string(Text::FIX_SPEED_FIRST) + speed + std::string(Text::FIX_SPEED_MIDDLE) + speed +
           std::string(Text::FIX_SPEED_LAST);
}

std::string BusyRefusalDetail() {
    return std::string(Text::UNIT_ANSWERED_EXCEPTION) + HexByteText(EXCEPTION_SLAVE_BUSY) + " (" +
           std::string(ConnectionCheckText::EXCEPTION_BUSY) + ")\n" + std::string(Text::FIX_BUSY);
}

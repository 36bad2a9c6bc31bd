#include "core/link/ExchangeCause.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "core/app/StartupRules.h"
#include "core/app/texts/ConnectionCheckText.h"
#include "core/app/texts/ExchangeCauseText.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/LineTiming.h"
#include "core/link/ModbusBytes.h"
#include "core/link/ModbusFrame.h"

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

// The request's function by its name; a vendor command by its sub-function.
std::string FunctionName(std::span<const std::uint8_t> request) {
    const std::uint8_t function = request[1];
    for (const auto& [code, name] : FUNCTION_NAMES) {
        if (code == function) return std::string(name);
    }
    if (function == FN_VENDOR && request.size() > VENDOR_SUB_FUNCTION_OFFSET)
        return std::string(Text::VENDOR_COMMAND) + HexByteText(request[VENDOR_SUB_FUNCTION_OFFSET]);
    return std::string(Text::FUNCTION) + HexByteText(function);
}

std::string ByteCountText(std::size_t count) {
    using namespace ConnectionCheckText;
    return std::to_string(count) + std::string(count == 1 ? ONE_BYTE : BYTES);
}

// ": the reply broke off after 6 of 11 bytes (no byte for over 100 ms)"; without the due length when
// the reply never got as far as saying it.
std::string BrokeOffText(std::size_t got, std::size_t due) {
    using namespace ConnectionCheckText;
    const std::string count = due > got ? std::to_string(got) + std::string(OF) + ByteCountText(due)
                                        : ByteCountText(got);
    return std::string(BROKE_OFF_AFTER) + count + std::string(NO_BYTE_FOR_OVER) +
           std::to_string(INTER_BYTE_LIMIT.count()) + std::string(MS_CLOSE);
}

}  // namespace

int ReplyKindRank(EReplyKind kind) {
    switch (kind) {
        case EReplyKind::Echo:
            return 0;
        case EReplyKind::Exception:
            return 1;
        case EReplyKind::OtherAddress:
            return 2;
        case EReplyKind::OtherFunction:
        case EReplyKind::ShortReply:
        case EReplyKind::WrongLength:
        case EReplyKind::WrongEcho:
            return 3;
        case EReplyKind::Incomplete:
            return 4;
        case EReplyKind::Garbled:
            return 5;
        case EReplyKind::None:
            return 6;
        case EReplyKind::Valid:
            break;
    }
    return 7;
}

namespace {

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
        case EReplyKind::Incomplete:
            return BrokeOffText(received.size(), reply.dueLength);
        case EReplyKind::OtherFunction:
            return std::string(OTHER_FUNCTION) + HexByteText(reply.function);
        case EReplyKind::ShortReply:
            return std::string(CUT_SHORT) + std::to_string(received.size()) + std::string(OF) +
                   std::to_string(reply.dueLength) + std::string(BYTES_LIST) +
                   HexBytesText(received, SHOWN_GARBLED_BYTES);
        case EReplyKind::WrongLength:
            return std::string(REPLY_OF) + std::to_string(received.size()) + std::string(WHERE) +
                   std::to_string(reply.dueLength) + std::string(ARE_DUE) +
                   HexBytesText(received, SHOWN_GARBLED_BYTES);
        case EReplyKind::WrongEcho:
            return std::string(WRONG_ECHO) + HexBytesText(received, SHOWN_GARBLED_BYTES);
    }
    return {};
}

std::string ExchangeCauseLine(const SExchangeOutcome& outcome) {
    if (outcome.request.size() < 2) return {};
    const SReplyClass reply = outcome.Reply();
    const std::string found = reply.kind == EReplyKind::Valid
                                  ? std::string(Text::DOES_NOT_FIT) + HexBytesText(outcome.received, SHOWN_GARBLED_BYTES)
                                  : ReplyDescription(reply, outcome.received);
    return FunctionName(outcome.request) + std::string(Text::TO) + HexByteText(outcome.request[0]) +
           std::string(Text::AT) + std::to_string(outcome.bps) + std::string(Text::BPS) + found;
}

const SExchangeOutcome* MostTellingOutcome(std::span<const SExchangeOutcome> outcomes) {
    const SExchangeOutcome* best = nullptr;
    for (const SExchangeOutcome& outcome : outcomes) {
        const int rank = ReplyKindRank(outcome.Reply().kind);
        if (rank < ReplyKindRank(EReplyKind::Valid) && (best == nullptr || rank < ReplyKindRank(best->Reply().kind)))
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
        case EReplyKind::Incomplete:
            return std::string(Text::FIX_INCOMPLETE);
        case EReplyKind::OtherFunction:
        case EReplyKind::ShortReply:
        case EReplyKind::WrongLength:
        case EReplyKind::WrongEcho:
            return std::string(Text::FIX_MISFIT);
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

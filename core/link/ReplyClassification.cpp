#include "core/link/ReplyClassification.h"

#include <algorithm>

#include "core/link/CommResult.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/ModbusBytes.h"
#include "core/link/ModbusFrame.h"
#include "core/link/ReplyFrameLength.h"

namespace {
constexpr std::uint8_t BROADCAST_ADDRESS = 0;
constexpr std::size_t QUANTITY_OFFSET = 4;  // a read request: address, function, first register, quantity
constexpr unsigned BITS_PER_BYTE = 8;

SReplyClass Kind(EReplyKind kind) {
    return {kind, 0, 0, 0, 0};
}

SReplyClass LengthFault(EReplyKind kind, std::size_t due) {
    SReplyClass reply = Kind(kind);
    reply.dueLength = due;
    return reply;
}

bool HasValidCrc(std::span<const std::uint8_t> frame) {
    if (frame.size() < SHORTEST_FRAME) return false;
    const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size() - CRC_BYTES);
    return frame[frame.size() - 2] == (crc >> 8) && frame[frame.size() - 1] == (crc & 0xFF);
}

// The request's bytes came back first (alone, or with the unit's reply right behind them). Only a write
// of one coil or register is answered with its own bytes: for those an exact copy is the answer, and
// Modbus cannot tell it from an echo.
bool IsEcho(std::span<const std::uint8_t> request, std::span<const std::uint8_t> received) {
    if (request.empty() || received.size() < request.size() ||
        !std::equal(request.begin(), request.end(), received.begin()))
        return false;
    const bool answeredWithItsOwnBytes = request[1] == FN_WRITE_COIL || request[1] == FN_WRITE_REGISTER;
    return !answeredWithItsOwnBytes || received.size() > request.size();
}

// The data bytes a read reply carries for the quantity the request asked.
std::size_t ReadDataBytes(std::span<const std::uint8_t> request) {
    const unsigned quantity = GetBE16(&request[QUANTITY_OFFSET]);
    const bool bits = request[1] == FN_READ_COILS || request[1] == FN_READ_DISCRETE_INPUTS;
    return bits ? (quantity + BITS_PER_BYTE - 1) / BITS_PER_BYTE : 2u * quantity;
}

bool IsRead(std::uint8_t function) {
    return function >= FN_READ_COILS && function <= FN_READ_INPUT;
}

bool IsWrite(std::uint8_t function) {
    return function == FN_WRITE_COIL || function == FN_WRITE_REGISTER || function == FN_WRITE_COILS ||
           function == FN_WRITE_MULTIPLE;
}

// A reply of the address and function asked, judged by what the request asked for.
SReplyClass JudgeShape(std::span<const std::uint8_t> request, std::span<const std::uint8_t> reply) {
    const std::uint8_t function = request[1];
    const std::size_t due = DueReplyLength(request);
    if (IsRead(function)) {
        if (reply.size() < due) return LengthFault(EReplyKind::ShortReply, due);
        if (reply.size() != due || reply[2] != due - COUNTED_REPLY_HEADER - CRC_BYTES)
            return LengthFault(EReplyKind::WrongLength, due);
        return Kind(EReplyKind::Valid);
    }
    if (IsWrite(function)) {
        if (reply.size() < due) return LengthFault(EReplyKind::ShortReply, due);
        if (reply.size() != due) return LengthFault(EReplyKind::WrongLength, due);
        const auto echoed = reply.subspan(WRITE_ECHO_OFFSET, WRITE_ECHO_BYTES);
        const auto written = request.subspan(WRITE_ECHO_OFFSET, WRITE_ECHO_BYTES);
        if (!std::equal(echoed.begin(), echoed.end(), written.begin())) return Kind(EReplyKind::WrongEcho);
        return Kind(EReplyKind::Valid);
    }
    if (function == FN_REPORT_SLAVE_ID) {
        const std::size_t shortest = COUNTED_REPLY_HEADER + SLAVE_ID_DATA_MIN + CRC_BYTES;
        if (reply.size() < shortest) return LengthFault(EReplyKind::ShortReply, shortest);
        if (reply[2] != reply.size() - COUNTED_REPLY_HEADER - CRC_BYTES)
            return LengthFault(EReplyKind::WrongLength, COUNTED_REPLY_HEADER + reply[2] + CRC_BYTES);
        return Kind(EReplyKind::Valid);
    }
    if (function == FN_VENDOR) {
        // The status alone, or the status and the sub-function it answers.
        if (reply.size() == VENDOR_REPLY_SHORT_FRAME) return Kind(EReplyKind::Valid);
        if (reply.size() != due) return LengthFault(EReplyKind::WrongLength, due);
        if (reply[VENDOR_SUB_FUNCTION_OFFSET] != request[VENDOR_SUB_FUNCTION_OFFSET])
            return Kind(EReplyKind::WrongEcho);
        return Kind(EReplyKind::Valid);
    }
    // A function without a rule of its own: its address, function and CRC are all there is to judge.
    return Kind(function > HIGHEST_FUNCTION ? EReplyKind::OtherFunction : EReplyKind::Valid);
}

// What a frame that broke off was due to carry: the length its header announced, if it got that far.
std::size_t AnnouncedLength(std::span<const std::uint8_t> received) {
    const SReplyLength length = ReplyLengthOf(received.data(), received.size());
    return length.kind == ReplyLengthKind::Announced ? length.length : 0;
}
}  // namespace

bool IsMisfitReply(EReplyKind kind) {
    return kind == EReplyKind::OtherAddress || kind == EReplyKind::OtherFunction ||
           kind == EReplyKind::ShortReply || kind == EReplyKind::WrongLength || kind == EReplyKind::WrongEcho;
}

std::size_t DueReplyLength(std::span<const std::uint8_t> request) {
    if (request.size() < 2) return 0;
    const std::uint8_t function = request[1];
    if (IsRead(function) && request.size() >= QUANTITY_OFFSET + 2)
        return COUNTED_REPLY_HEADER + ReadDataBytes(request) + CRC_BYTES;
    if (IsWrite(function)) return WRITE_REPLY_FRAME;
    if (function == FN_VENDOR) return VENDOR_REPLY_FRAME;
    return 0;
}

SReplyClass ClassifyReply(std::span<const std::uint8_t> request, std::span<const std::uint8_t> received,
                          int receiveResult) {
    if (request.size() < 2) return Kind(EReplyKind::Garbled);
    if (request[0] == BROADCAST_ADDRESS) return Kind(EReplyKind::Valid);
    if (received.empty()) return Kind(receiveResult == COMM_TIMEOUT ? EReplyKind::None : EReplyKind::Garbled);
    if (IsEcho(request, received)) return Kind(EReplyKind::Echo);
    if (receiveResult == COMM_INCOMPLETE) return LengthFault(EReplyKind::Incomplete, AnnouncedLength(received));
    if (receiveResult != COMM_OK || !HasValidCrc(received)) return Kind(EReplyKind::Garbled);
    if (received[0] != request[0]) {
        SReplyClass reply = Kind(EReplyKind::OtherAddress);
        reply.address = received[0];
        return reply;
    }
    if ((received[1] & EXCEPTION_BIT) != 0 && (received[1] & ~EXCEPTION_BIT) == request[1]) {
        if (received.size() != EXCEPTION_FRAME) return LengthFault(EReplyKind::WrongLength, EXCEPTION_FRAME);
        SReplyClass reply = Kind(EReplyKind::Exception);
        reply.exceptionCode = received[2];
        return reply;
    }
    if (received[1] != request[1]) {
        SReplyClass reply = Kind(EReplyKind::OtherFunction);
        reply.function = received[1];
        return reply;
    }
    return JudgeShape(request, received);
}

#include "core/link/ReplyClassification.h"

#include <algorithm>

#include "core/link/CommResult.h"
#include "core/link/Crc16Modbus.h"

namespace {
constexpr std::uint8_t EXCEPTION_BIT = 0x80;
constexpr std::size_t SHORTEST_REPLY = 4;  // address, function, one byte, CRC... less is no frame
constexpr std::size_t EXCEPTION_REPLY_LENGTH = 5;

bool HasValidCrc(std::span<const std::uint8_t> frame) {
    if (frame.size() < SHORTEST_REPLY) return false;
    const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size() - 2);
    return frame[frame.size() - 2] == (crc >> 8) && frame[frame.size() - 1] == (crc & 0xFF);
}

// The request's bytes came back first (alone, or with the unit's reply right behind them).
bool StartsWithEcho(std::span<const std::uint8_t> request, std::span<const std::uint8_t> received) {
    return !request.empty() && received.size() >= request.size() &&
           std::equal(request.begin(), request.end(), received.begin());
}
}  // namespace

SReplyClass ClassifyReply(std::span<const std::uint8_t> request, std::span<const std::uint8_t> received,
                          int receiveResult) {
    if (received.empty()) {
        return {receiveResult == COMM_TIMEOUT ? EReplyKind::None : EReplyKind::Garbled, 0, 0};
    }
    if (StartsWithEcho(request, received)) return {EReplyKind::Echo, 0, 0};
    if (receiveResult != COMM_OK || !HasValidCrc(received)) return {EReplyKind::Garbled, 0, 0};
    if (received[0] != request[0]) return {EReplyKind::OtherAddress, received[0], 0};
    if ((received[1] & EXCEPTION_BIT) != 0 && received.size() == EXCEPTION_REPLY_LENGTH &&
        (received[1] & ~EXCEPTION_BIT) == request[1]) {
        return {EReplyKind::Exception, 0, received[2]};
    }
    if (received[1] != request[1]) return {EReplyKind::Garbled, 0, 0};
    return {EReplyKind::Valid, 0, 0};
}

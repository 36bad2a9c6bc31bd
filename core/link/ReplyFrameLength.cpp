#include "core/link/ReplyFrameLength.h"

#include "core/link/ModbusFrame.h"

namespace {

constexpr std::size_t COUNTED_OVERHEAD = COUNTED_REPLY_HEADER + CRC_BYTES;

constexpr SReplyLength Incomplete() {
    return {ReplyLengthKind::HeaderIncomplete, 0};
}
constexpr SReplyLength Announced(std::size_t length) {
    return {ReplyLengthKind::Announced, length};
}

}  // namespace

SReplyLength ReplyLengthOf(const std::uint8_t* frame, std::size_t length) {
    if (length < 2) return Incomplete();
    const std::uint8_t function = frame[1];
    if ((function & EXCEPTION_BIT) != 0) return Announced(EXCEPTION_FRAME);
    switch (function) {
        case FN_WRITE_COIL:
        case FN_WRITE_REGISTER:
        case FN_WRITE_COILS:
        case FN_WRITE_MULTIPLE:
            return Announced(WRITE_REPLY_FRAME);
        case FN_READ_COILS:
        case FN_READ_DISCRETE_INPUTS:
        case FN_READ_HOLDING:
        case FN_READ_INPUT:
        case FN_REPORT_SLAVE_ID:
            return length < 3 ? Incomplete() : Announced(COUNTED_OVERHEAD + frame[2]);
        default:
            return {ReplyLengthKind::Unannounced, 0};
    }
}

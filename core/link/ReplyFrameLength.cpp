#include "core/link/ReplyFrameLength.h"

namespace {

constexpr std::uint8_t EXCEPTION_BIT = 0x80;
constexpr std::size_t EXCEPTION_FRAME = 5;   // slave, function, exception code, CRC
constexpr std::size_t ECHO_FRAME = 8;        // slave, function, address, value or count, CRC
constexpr std::size_t COUNTED_OVERHEAD = 5;  // slave, function, byte count, CRC

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
        case 0x05:  // write single coil
        case 0x06:  // write single register
        case 0x0F:  // write multiple coils
        case 0x10:  // write multiple registers
            return Announced(ECHO_FRAME);
        case 0x01:  // read coils
        case 0x02:  // read discrete inputs
        case 0x03:  // read holding registers
        case 0x04:  // read input registers
        case 0x11:  // report slave ID
            return length < 3 ? Incomplete() : Announced(COUNTED_OVERHEAD + frame[2]);
        default:
            return {ReplyLengthKind::Unannounced, 0};
    }
}

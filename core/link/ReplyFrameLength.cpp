#include "core/link/ReplyFrameLength.h"

namespace {

constexpr std::uint8_t EXCEPTION_BIT = 0x80;
constexpr std::size_t EXCEPTION_FRAME = 5;   // slave, function, exception code, CRC
constexpr std::size_t ECHO_FRAME = 8;        // slave, function, address, value or count, CRC
constexpr std::size_t COUNTED_OVERHEAD = 5;  // slave, function, byte count, CRC

}  // namespace

std::size_t AnnouncedReplyLength(const std::uint8_t* frame, std::size_t length) {
    if (length < 2) return 0;
    const std::uint8_t function = frame[1];
    if ((function & EXCEPTION_BIT) != 0) return EXCEPTION_FRAME;
    switch (function) {
        case 0x05:  // write single coil
        case 0x06:  // write single register
        case 0x10:  // write multiple registers
            return ECHO_FRAME;
        case 0x03:  // read holding registers
        case 0x04:  // read input registers
        case 0x11:  // report slave ID
            return length < 3 ? 0 : COUNTED_OVERHEAD + frame[2];
        default:
            return 0;
    }
}

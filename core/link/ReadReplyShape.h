#pragma once
// Whether a read reply (function 03h) that passed the line checks really carries what was asked: its
// byte count names exactly `count` registers and the frame is exactly that long. A short reply with a
// valid CRC would otherwise hand its CRC bytes over as register values.
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t READ_REPLY_HEADER = 3;  // slave, function, byte count
inline constexpr std::size_t READ_REPLY_CRC = 2;

inline bool ReadReplyFits(const std::uint8_t* reply, std::size_t length, std::uint16_t count) {
    const std::size_t dataBytes = 2u * count;
    return length == READ_REPLY_HEADER + dataBytes + READ_REPLY_CRC && reply[2] == dataBytes;
}

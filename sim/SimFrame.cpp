#include "sim/SimFrame.h"

#include "core/link/Crc16Modbus.h"

void AppendCrc(std::vector<std::uint8_t>& frame) {
    const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
}

bool HasValidCrc(const std::vector<std::uint8_t>& frame) {
    if (frame.size() < 4) return false;
    const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size() - 2);
    return frame[frame.size() - 2] == (crc >> 8) && frame[frame.size() - 1] == (crc & 0xFF);
}

void RefreshCrc(std::vector<std::uint8_t>& frame) {
    if (frame.size() < 2) return;
    frame.resize(frame.size() - 2);
    AppendCrc(frame);
}

std::vector<std::uint8_t> ExceptionReply(std::uint8_t slave, std::uint8_t function, std::uint8_t code) {
    std::vector<std::uint8_t> reply{slave, static_cast<std::uint8_t>(function | 0x80), code};
    AppendCrc(reply);
    return reply;
}

std::size_t ExpectedRequestLength(const std::vector<std::uint8_t>& frame) {
    constexpr std::size_t CRC_BYTES = 2;
    if (frame.size() < 2) return 0;
    switch (frame[1]) {
        case 0x03:
        case 0x05:
        case 0x06: return 6 + CRC_BYTES;  // slave, function, register, count or value
        case 0x10: return frame.size() < 7 ? 0 : 7 + frame[6] + CRC_BYTES;  // ... byte count, data
        case 0x11: return 2 + CRC_BYTES;
        case 0x45: return 8 + CRC_BYTES;  // slave, 45h, 00h, sub-function, two words or one long
        default: return 0;
    }
}

bool IsCompleteRequest(const std::vector<std::uint8_t>& frame) {
    return ExpectedRequestLength(frame) == frame.size() && HasValidCrc(frame);
}

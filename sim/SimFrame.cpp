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

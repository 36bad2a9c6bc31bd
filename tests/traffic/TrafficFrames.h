#pragma once
// Frames for the traffic tests, written as hex digits without their CRC, which is appended here.
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/link/CommResult.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/ModbusBytes.h"
#include "core/traffic/TrafficFrame.h"

inline std::vector<std::uint8_t> HexBytes(std::string_view hex) {
    std::vector<std::uint8_t> bytes(hex.size() / 2 + 1);
    HexTextToBytes(hex, bytes.data());
    bytes.resize(hex.size() / 2);
    return bytes;
}

inline std::vector<std::uint8_t> WithCrc(std::string_view hex) {
    std::vector<std::uint8_t> bytes = HexBytes(hex);
    const std::uint16_t crc = Crc16Modbus(bytes.data(), bytes.size());
    bytes.push_back(static_cast<std::uint8_t>(crc >> 8));
    bytes.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return bytes;
}

inline STrafficFrame RequestFrame(std::vector<std::uint8_t> bytes, int attempt = 1) {
    STrafficFrame frame;
    frame.direction = FrameDirection::Request;
    frame.bytes = std::move(bytes);
    frame.attempt = attempt;
    return frame;
}

inline STrafficFrame ReplyFrame(std::vector<std::uint8_t> bytes, std::vector<std::uint8_t> request,
                                int result = COMM_OK) {
    STrafficFrame frame;
    frame.direction = FrameDirection::Reply;
    frame.bytes = std::move(bytes);
    frame.request = std::move(request);
    frame.result = result;
    return frame;
}

#pragma once
// One frame of the conversation with the gateway as the traffic monitor keeps it: its bytes, its
// timing and how its receive ended, with the request a reply answers so that the reply can be read in
// the request's terms.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/link/LinkFrameEvent.h"

struct STrafficFrame {
    std::uint64_t number = 0;  // 1 for the first frame of the capture
    FrameDirection direction = FrameDirection::Request;
    std::vector<std::uint8_t> bytes;
    std::chrono::microseconds firstByte{0};  // since the capture started
    std::chrono::microseconds lastByte{0};
    std::int64_t wallMicros = 0;                  // first byte, microseconds since 1970-01-01 UTC
    std::chrono::microseconds silenceBefore{-1};  // negative: no frame before it
    std::chrono::microseconds responseTime{0};    // replies only
    int attempt = 1;
    int result = 0;  // COMM_OK or the receive's failure
    int bps = 0;
    std::string port;                   // the device or URL of the port it went over
    std::vector<std::uint8_t> request;  // replies: the request they answer; empty when not seen
};

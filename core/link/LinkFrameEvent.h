#pragma once
// One frame on the line as the link saw it, for observers (the traffic monitor, capture files, the
// benchmarks): what went out, what came back, and every receive that failed with the bytes that did
// arrive.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

enum class FrameDirection { Request, Reply };

struct SLinkFrameEvent {
    using Clock = std::chrono::steady_clock;

    FrameDirection direction = FrameDirection::Request;
    const std::uint8_t* bytes = nullptr;  // valid only during the call
    std::size_t length = 0;
    // First and last byte on the line. A request's last byte is its first plus its time on the wire; a
    // receive that got nothing has both at the moment it gave up.
    Clock::time_point firstByte{};
    Clock::time_point lastByte{};
    // Silence on the line before the first byte, since the last byte of the frame before it; negative
    // when no frame before it was seen.
    std::chrono::microseconds silenceBefore{-1};
    // Replies: from the request's last byte to the reply's first. Requests: zero.
    std::chrono::microseconds responseTime{0};
    int attempt = 1;  // 1 for the transaction's first try, 2 for its retry, ...
    int result = 0;   // COMM_OK, or the receive's failure (time-out, CRC, line error, overflow)
    bool linkLost = false;  // replies: the device or the server connection went away; no reply to judge
    int bps = 0;
    std::string_view port;  // the device or URL the link has open; valid only during the call
};

class CLinkFrameObserver {
public:
    virtual void OnLinkFrame(const SLinkFrameEvent& frame) = 0;

protected:
    ~CLinkFrameObserver() = default;
};

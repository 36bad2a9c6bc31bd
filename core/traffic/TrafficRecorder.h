#pragma once
// Turns the link's frame reports into traffic frames: times counted from the start of the capture and
// placed on the wall clock, a running number, and each reply paired with the request it answers.
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/link/LinkFrameEvent.h"
#include "core/traffic/TrafficFrame.h"

class CTrafficRecorder : public CLinkFrameObserver {
public:
    using Sink = std::function<void(const STrafficFrame& frame)>;

    explicit CTrafficRecorder(Sink sink);
    void OnLinkFrame(const SLinkFrameEvent& event) override;

private:
    Sink sink;
    SLinkFrameEvent::Clock::time_point steadyStart;
    std::int64_t wallStartMicros;
    std::uint64_t count = 0;
    std::vector<std::uint8_t> lastRequest;
};

#pragma once
// A simulated line in process, with a simulated clock the test moves by hand.
#include <gtest/gtest.h>

#include <chrono>

#include "sim/GwSimCore.h"
#include "tests/sim/SimTestFrames.h"

class CSimLine {
public:
    explicit CSimLine(SSimConfig config) : core(config) {}
    static SSimConfig ConfigOf(GwType type, std::vector<int> units = {0}, int axes = 8) {
        SSimConfig config;
        config.type = type;
        config.units = std::move(units);
        config.axes = axes;
        return config;
    }

    // Sends the hex request (CRC appended) and returns the reply as hex text ("" when silent).
    std::string Ask(std::string_view hex) { return HexText(core.Handle(Frame(hex), now)); }
    SimBytes AskRaw(const SimBytes& frame) { return core.Handle(frame, now); }
    void Wait(std::chrono::milliseconds ms) { now += ms; }

    CGwSimCore core;
    CGwSimCore::Clock::time_point now{std::chrono::hours(1000)};
};

// The expected reply: hex text without its CRC, CRC appended.
inline std::string Reply(std::string_view hexWithoutCrc) {
    return HexText(Frame(hexWithoutCrc));
}

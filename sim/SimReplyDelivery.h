#pragma once
// When the bytes of a reply become readable for the master, with the shell's faults: all at once; in
// chunks with a pause between them; with one pause in the middle; or as a USB serial adapter hands them
// over, in a burst at each run-out of its latency timer (and whenever its packet buffer is full).
#include <chrono>
#include <cstddef>
#include <vector>

#include "sim/SimFaults.h"

struct SSimBurst {
    std::size_t count;             // bytes handed over together
    std::chrono::microseconds at;  // counted from the moment the reply starts to leave
    bool operator==(const SSimBurst&) const = default;
};

// Bytes a USB full-speed serial adapter passes on in one packet at most, whatever its timer says.
inline constexpr std::size_t USB_PACKET_BYTES = 62;

// The bursts of a reply of `size` bytes. `bps` is the line's speed: the bytes cross the wire at it
// before an adapter can pass them on, and a paced line (`paced`) lets them leave no faster. `timerPhase`
// is how long after the reply's start the adapter's latency timer next runs out (0 < phase <= latency).
std::vector<SSimBurst> ReplyBursts(std::size_t size, const SSimFaults& faults, int bps, bool paced,
                                   std::chrono::microseconds timerPhase);

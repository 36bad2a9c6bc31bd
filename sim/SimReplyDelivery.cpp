#include "sim/SimReplyDelivery.h"

#include <algorithm>

#include "core/link/LineTiming.h"

namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

// The adapter receives each byte off the wire at the line's speed and passes on what it holds when its
// timer runs out, or at once when a packet is full.
std::vector<SSimBurst> UsbAdapterBursts(std::size_t size, int bps, microseconds latency, microseconds phase) {
    std::vector<SSimBurst> bursts;
    std::size_t held = 0;
    microseconds tick = phase;
    for (std::size_t i = 0; i < size; ++i) {
        const microseconds received = WireTime(i + 1, bps);
        for (; tick < received; tick += latency) {
            if (held == 0) continue;
            bursts.push_back({held, tick});
            held = 0;
        }
        if (++held == USB_PACKET_BYTES) {
            bursts.push_back({held, received});
            held = 0;
        }
    }
    if (held > 0) bursts.push_back({held, tick});
    return bursts;
}

// Pieces of `piece` bytes with `pause` between them; on a paced line each piece also takes its time on
// the wire before the pause after it begins.
std::vector<SSimBurst> PausedPieces(std::size_t size, std::size_t piece, microseconds pause, int bps,
                                    bool paced) {
    std::vector<SSimBurst> bursts;
    microseconds at{0};
    for (std::size_t offset = 0; offset < size; offset += piece) {
        const std::size_t count = std::min(piece, size - offset);
        bursts.push_back({count, at});
        at += pause + (paced ? WireTime(count, bps) : microseconds(0));
    }
    return bursts;
}

}  // namespace

std::vector<SSimBurst> ReplyBursts(std::size_t size, const SSimFaults& faults, int bps, bool paced,
                                   microseconds timerPhase) {
    if (size == 0) return {};
    if (faults.usbLatencyMs > 0)
        return UsbAdapterBursts(size, bps, milliseconds(faults.usbLatencyMs), timerPhase);
    if (faults.midReplyPauseMs > 0 && size > 1)
        return PausedPieces(size, (size + 1) / 2, milliseconds(faults.midReplyPauseMs), bps, paced);
    if (faults.chunkSize > 0)
        return PausedPieces(size, faults.chunkSize, milliseconds(faults.chunkPauseMs), bps, paced);
    return {{size, microseconds(0)}};
}

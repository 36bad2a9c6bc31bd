#include "core/link/LineTiming.h"

#include <algorithm>

namespace {
constexpr int BITS_PER_BYTE = 10;  // start bit, 8 data bits, stop bit
constexpr int MIN_GAP_MS = 3;
}  // namespace

int EndOfFrameGapMs(int bps) {
    if (bps <= 0) return MIN_GAP_MS;
    const int gap = (35000 + bps - 1) / bps;
    return std::max(gap, MIN_GAP_MS);
}

std::chrono::microseconds WireTime(std::size_t byteCount, int bps) {
    if (bps <= 0) return std::chrono::microseconds(0);
    const long long bits = static_cast<long long>(byteCount) * BITS_PER_BYTE;
    return std::chrono::microseconds((bits * 1000000 + bps - 1) / bps);
}

std::chrono::microseconds UnannouncedFrameSilence(int bps) {
    return std::max<std::chrono::microseconds>(std::chrono::milliseconds(EndOfFrameGapMs(bps)),
                                               UNANNOUNCED_SILENCE_FLOOR);
}

#pragma once
// Timing that follows from the bit rate of an 8N1 line (10 bits per byte). The link, the simulated
// gateway's pacing and the benchmarks all take their figures from here.
#include <chrono>
#include <cstddef>

// Silence that ends an RTU frame: 3.5 characters (35000 / bps) rounded up to a whole millisecond, and
// never less than 3 ms. 4 ms at 9600 bps, 3 ms at every higher speed of BaudTable.
int EndOfFrameGapMs(int bps);

// Time that `byteCount` bytes take on the wire at `bps`.
std::chrono::microseconds WireTime(std::size_t byteCount, int bps);

#pragma once
// Timing that follows from the bit rate of an 8N1 line (10 bits per byte), and the limits a real line
// needs on top of it. The link, the simulated gateway's pacing and the benchmarks all take their figures
// from here.
#include <chrono>
#include <cstddef>

// Silence that ends an RTU frame: 3.5 characters (35000 / bps) rounded up to a whole millisecond, and
// never less than 3 ms. 4 ms at 9600 bps, 3 ms at every higher speed of BaudTable.
int EndOfFrameGapMs(int bps);

// Time that `byteCount` bytes take on the wire at `bps`.
std::chrono::microseconds WireTime(std::size_t byteCount, int bps);

// A reply is not always handed over as it crossed the wire. A USB serial adapter passes on what it
// received when its latency timer runs out (16 ms by default, up to 32 ms in common use); a device
// server on the network sends packets that a busy network delays; a busy PC reads late. A reply whose
// header announces its length therefore goes on across any pause shorter than this limit; only a gap
// longer than three of the longest common latency periods, with no byte at all, ends it as broken.
inline constexpr std::chrono::milliseconds INTER_BYTE_LIMIT{100};

// A reply that announces no length ends at a silence; on a bursty line a pause between two bursts must
// not be taken for it, so that silence is never shorter than this: more than one 32 ms latency period.
inline constexpr std::chrono::milliseconds UNANNOUNCED_SILENCE_FLOOR{40};

// The silence that ends a reply of unannounced length at `bps`.
std::chrono::microseconds UnannouncedFrameSilence(int bps);

#pragma once
// The texts of a traffic frame: its times, bytes and the one line the trace file and the saved text
// give it.
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "core/traffic/FrameDecoder.h"
#include "core/traffic/TrafficFrame.h"

// Seconds since the capture started, to the microsecond: "12.345678".
std::string CaptureTimeText(std::chrono::microseconds sinceStart);
// Milliseconds with one decimal: "4.2 ms"; empty for a negative (unknown) time.
std::string MillisecondsText(std::chrono::microseconds time);
// "TX" for a request, "RX" for a receive.
std::string DirectionText(FrameDirection direction);
// The bytes in hexadecimal separated by blanks, at most `limit` of them followed by "…" when there are
// more (0: all of them).
std::string BytesText(const std::vector<std::uint8_t>& bytes, std::size_t limit = 0);
// The bytes as lines of 16, for the decoding of one frame.
std::vector<std::string> ByteDumpLines(const std::vector<std::uint8_t>& bytes);
// "0.012345 TX D0 03 F1 00 00 10 A7 B8 | 03 read F100h..F10Fh: … | gap 12.3 ms | sent": time, direction,
// bytes, decoding, silence before it, response time of a reply and the verdict.
std::string TraceLine(const STrafficFrame& frame, const SFrameDecoding& decoding);

#include "core/traffic/TrafficText.h"

#include <array>
#include <cstdio>

namespace {

constexpr std::size_t DUMP_LINE_BYTES = 16;

}  // namespace

std::string CaptureTimeText(std::chrono::microseconds sinceStart) {
    const long long us = sinceStart.count();
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%lld.%06lld", us / 1000000, us % 1000000);
    return text.data();
}

std::string MillisecondsText(std::chrono::microseconds time) {
    if (time.count() < 0) return {};
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f ms", static_cast<double>(time.count()) / 1000.0);
    return text.data();
}

std::string DirectionText(FrameDirection direction) {
    return direction == FrameDirection::Request ? "TX" : "RX";
}

std::string BytesText(const std::vector<std::uint8_t>& bytes, std::size_t limit) {
    const std::size_t shown = limit == 0 ? bytes.size() : std::min(limit, bytes.size());
    std::string text;
    text.reserve(shown * 3 + 4);
    std::array<char, 4> hex{};
    for (std::size_t i = 0; i < shown; ++i) {
        std::snprintf(hex.data(), hex.size(), i == 0 ? "%02X" : " %02X", unsigned{bytes[i]});
        text += hex.data();
    }
    if (shown < bytes.size()) text += " …";
    return text;
}

std::vector<std::string> ByteDumpLines(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size(); at += DUMP_LINE_BYTES) {
        const auto end = bytes.begin() + static_cast<long>(std::min(at + DUMP_LINE_BYTES, bytes.size()));
        std::array<char, 24> offset{};
        std::snprintf(offset.data(), offset.size(), "%04zX ", at);
        lines.push_back(offset.data() + BytesText({bytes.begin() + static_cast<long>(at), end}));
    }
    return lines;
}

std::string TraceLine(const STrafficFrame& frame, const SFrameDecoding& decoding) {
    std::string line = CaptureTimeText(frame.firstByte) + " " + DirectionText(frame.direction) + " " +
                       (frame.bytes.empty() ? "-" : BytesText(frame.bytes)) + " | " + DecodedText(decoding);
    const std::string gap = MillisecondsText(frame.silenceBefore);
    if (!gap.empty()) line += " | gap " + gap;
    if (frame.direction == FrameDirection::Reply)
        line += " | response " + MillisecondsText(frame.responseTime);
    return line + " | " + decoding.verdict;
}

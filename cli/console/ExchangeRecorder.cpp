#include "cli/console/ExchangeRecorder.h"

namespace {
constexpr std::size_t KEPT_EXCHANGES = 8;
constexpr std::uint8_t BROADCAST_ADDRESS = 0;
}  // namespace

void CExchangeRecorder::OnLinkFrame(const SLinkFrameEvent& frame) {
    if (frame.direction == FrameDirection::Request) {
        awaitingReply = frame.length > 0 && frame.bytes[0] != BROADCAST_ADDRESS;
        if (!awaitingReply) return;
        kept.push_back({{frame.bytes, frame.bytes + frame.length}, {}, COMM_TIMEOUT, frame.bps});
        if (kept.size() > KEPT_EXCHANGES) kept.pop_front();
        ++count;
        return;
    }
    // A receive after the reply was seen (the rest of an echo) belongs to no request.
    if (!awaitingReply || kept.empty()) return;
    awaitingReply = false;
    kept.back().received.assign(frame.bytes, frame.bytes + frame.length);
    kept.back().receiveResult = frame.result;
    kept.back().linkLost = frame.linkLost;
}

std::vector<SExchangeOutcome> CExchangeRecorder::Since(std::size_t mark) const {
    const std::size_t first = count - kept.size();
    const std::size_t skip = mark > first ? mark - first : 0;
    if (skip >= kept.size()) return {};
    return {kept.begin() + static_cast<std::ptrdiff_t>(skip), kept.end()};
}

std::optional<SExchangeOutcome> CExchangeRecorder::LastFailed() const {
    if (kept.empty() || kept.back().Reply().kind == EReplyKind::Valid) return std::nullopt;
    return kept.back();
}

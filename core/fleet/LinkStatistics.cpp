#include "core/fleet/LinkStatistics.h"

#include "core/link/CommResult.h"

namespace {

constexpr std::uint8_t EXCEPTION_BIT = 0x80;

}  // namespace

void SLinkStatistics::AddResponse(double seconds) {
    for (std::size_t i = 0; i < RESPONSE_BUCKETS.size(); ++i) {
        if (seconds <= RESPONSE_BUCKETS[i]) ++responseBuckets[i];
    }
    ++responseCount;
    responseSeconds += seconds;
}

EExchangeResult ExchangeResultOf(const SLinkFrameEvent& receive) {
    switch (receive.result) {
        case COMM_OK:
            return receive.length > 1 && (receive.bytes[1] & EXCEPTION_BIT) != 0 ? EExchangeResult::Exception
                                                                                 : EExchangeResult::Ok;
        case COMM_TIMEOUT:
            return EExchangeResult::Timeout;
        case COMM_CRC_ERROR:
        case COMM_INCOMPLETE:  // a frame that broke off: bytes came, but no whole frame
            return EExchangeResult::Crc;
        default:
            return EExchangeResult::LineError;
    }
}

void CLinkTally::OnLinkFrame(const SLinkFrameEvent& frame) {
    if (target == nullptr || frame.direction != FrameDirection::Reply) return;
    const EExchangeResult result = ExchangeResultOf(frame);
    ++target->Exchanges(result);
    if (result == EExchangeResult::Ok || result == EExchangeResult::Exception) {
        target->AddResponse(std::chrono::duration<double>(frame.responseTime).count());
    }
}

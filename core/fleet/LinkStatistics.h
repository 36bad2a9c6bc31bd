#pragma once
// The link's exchanges with one unit, counted by their outcome, and the unit's response times, for the
// exporter's transaction counters and response time histogram. A tally watches the port's link and
// books every receive to the unit being polled.
#include <array>
#include <cstdint>

#include "core/link/LinkFrameEvent.h"

// How one exchange ended. NoDevice: the port could not be opened for it (the adapter or the network
// connection is gone).
enum class EExchangeResult { Ok, Timeout, Crc, LineError, Exception, NoDevice };
inline constexpr int EXCHANGE_RESULTS = 6;

// Upper bounds (seconds) of the response time histogram's buckets; +Inf follows.
inline constexpr std::array<double, 10> RESPONSE_BUCKETS{0.002, 0.005, 0.01, 0.02, 0.05,
                                                         0.1,   0.2,   0.5,  1.0,  3.0};

struct SLinkStatistics {
    std::array<std::uint64_t, EXCHANGE_RESULTS> exchanges{};
    // Replies per bucket, cumulative as Prometheus counts them: bucket i holds every reply that came
    // within RESPONSE_BUCKETS[i].
    std::array<std::uint64_t, RESPONSE_BUCKETS.size()> responseBuckets{};
    std::uint64_t responseCount = 0;
    double responseSeconds = 0;

    std::uint64_t& Exchanges(EExchangeResult result) { return exchanges[static_cast<std::size_t>(result)]; }
    std::uint64_t Exchanges(EExchangeResult result) const {
        return exchanges[static_cast<std::size_t>(result)];
    }
    void AddResponse(double seconds);
};

// The outcome of a receive as the link reports it: the receive's result and the frame it collected.
EExchangeResult ExchangeResultOf(const SLinkFrameEvent& receive);

class CLinkTally : public CLinkFrameObserver {
public:
    // Receives from now on count for `statistics` (nothing while null).
    void BookTo(SLinkStatistics* statistics) { target = statistics; }
    void OnLinkFrame(const SLinkFrameEvent& frame) override;

private:
    SLinkStatistics* target = nullptr;
};

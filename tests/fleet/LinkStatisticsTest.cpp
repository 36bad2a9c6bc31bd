// How the exporter books the link's receives: by outcome, and replies into the response time buckets.
#include <gtest/gtest.h>

#include <vector>

#include "core/fleet/LinkStatistics.h"
#include "core/link/CommResult.h"

namespace {

struct SReceiveCase {
    int result;
    std::vector<std::uint8_t> frame;
    EExchangeResult expected;
};

SLinkFrameEvent ReceiveOf(const SReceiveCase& c, std::chrono::microseconds responseTime) {
    SLinkFrameEvent event;
    event.direction = FrameDirection::Reply;
    event.bytes = c.frame.data();
    event.length = c.frame.size();
    event.result = c.result;
    event.responseTime = responseTime;
    return event;
}

}  // namespace

TEST(LinkStatistics, ReceivesAreBookedByOutcome) {
    const std::vector<SReceiveCase> cases{
        {COMM_OK, {0xD0, 0x03, 0x02, 0x00, 0x01, 0x00, 0x00}, EExchangeResult::Ok},
        {COMM_OK, {0xD0, 0x83, 0x02, 0x00, 0x00}, EExchangeResult::Exception},
        {COMM_TIMEOUT, {}, EExchangeResult::Timeout},
        {COMM_CRC_ERROR, {0xD0, 0x03}, EExchangeResult::Crc},
        {COMM_FRAMING, {}, EExchangeResult::LineError},
        {COMM_OVERRUN, {}, EExchangeResult::LineError},
        {COMM_RX_OVERFLOW, {}, EExchangeResult::LineError},
    };
    for (const SReceiveCase& c : cases) {
        SCOPED_TRACE(c.result);
        EXPECT_EQ(ExchangeResultOf(ReceiveOf(c, {})), c.expected);
    }
}

TEST(LinkStatistics, TallyBooksRepliesOfTheUnitPolledOnly) {
    SLinkStatistics first, second;
    CLinkTally tally;
    const SReceiveCase ok{COMM_OK, {0xD0, 0x03, 0x00, 0x00, 0x00}, EExchangeResult::Ok};
    const SReceiveCase timeout{COMM_TIMEOUT, {}, EExchangeResult::Timeout};
    tally.OnLinkFrame(ReceiveOf(ok, std::chrono::milliseconds(1)));  // before any unit: nobody's
    tally.BookTo(&first);
    tally.OnLinkFrame(ReceiveOf(ok, std::chrono::milliseconds(4)));
    SLinkFrameEvent request = ReceiveOf(ok, {});
    request.direction = FrameDirection::Request;
    tally.OnLinkFrame(request);  // requests are not exchanges of their own
    tally.BookTo(&second);
    tally.OnLinkFrame(ReceiveOf(timeout, std::chrono::milliseconds(0)));
    tally.OnLinkFrame(ReceiveOf(ok, std::chrono::milliseconds(700)));

    EXPECT_EQ(first.Exchanges(EExchangeResult::Ok), 1u);
    EXPECT_EQ(first.responseCount, 1u);
    EXPECT_EQ(second.Exchanges(EExchangeResult::Ok), 1u);
    EXPECT_EQ(second.Exchanges(EExchangeResult::Timeout), 1u);
    EXPECT_EQ(second.responseCount, 1u);  // a time-out has no response time
    EXPECT_DOUBLE_EQ(second.responseSeconds, 0.7);
}

TEST(LinkStatistics, BucketsCountEveryReplyWithinTheirBound) {
    SLinkStatistics statistics;
    for (const double seconds : {0.001, 0.005, 0.03, 2.0, 5.0}) statistics.AddResponse(seconds);
    // Bounds 0.002, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 3; a bound counts a reply equal to it.
    const std::array<std::uint64_t, RESPONSE_BUCKETS.size()> expected{1, 2, 2, 2, 3, 3, 3, 3, 3, 4};
    EXPECT_EQ(statistics.responseBuckets, expected);
    EXPECT_EQ(statistics.responseCount, 5u);
    EXPECT_DOUBLE_EQ(statistics.responseSeconds, 7.036);
}

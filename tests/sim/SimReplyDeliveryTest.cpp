// When the bytes of a reply become readable for the master: whole, in paused pieces, or in the bursts of
// a USB adapter's latency timer.
#include <gtest/gtest.h>

#include <numeric>

#include "core/link/LineTiming.h"
#include "sim/SimReplyDelivery.h"
#include "tests/support/BurstyLineFaults.h"

namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

struct SBurstCase {
    const char* what;
    std::size_t size;
    SSimFaults faults;
    int bps;
    bool paced;
    microseconds phase;
    std::vector<SSimBurst> bursts;
};

TEST(SimReplyDelivery, BurstsOfEachFault) {
    const std::vector<SBurstCase> cases = {
        {"no fault: all at once", 37, {}, 9600, false, microseconds(0), {{37, microseconds(0)}}},
        {"pause in the middle",
         37,
         MidReplyPauseFault(20),
         9600,
         false,
         microseconds(0),
         {{19, microseconds(0)}, {18, milliseconds(20)}}},
        {"pause in the middle of a paced reply follows the first half's wire time",
         9,
         MidReplyPauseFault(20),
         9600,
         true,
         microseconds(0),
         {{5, microseconds(0)}, {4, milliseconds(20) + WireTime(5, 9600)}}},
        // 15 bytes cross the wire in each 16 ms at 9600 bit/s.
        {"USB 16 ms at 9600",
         37,
         UsbLatencyFault(16),
         9600,
         false,
         milliseconds(16),
         {{15, milliseconds(16)}, {15, milliseconds(32)}, {7, milliseconds(48)}}},
        {"USB 16 ms at 9600, the timer runs out early",
         37,
         UsbLatencyFault(16),
         9600,
         false,
         milliseconds(3),
         {{2, milliseconds(3)}, {16, milliseconds(19)}, {15, milliseconds(35)}, {4, milliseconds(51)}}},
        // At 115200 bit/s a packet fills before the timer runs out.
        {"USB 16 ms at 115200: full packets go at once",
         149,
         UsbLatencyFault(16),
         115200,
         false,
         milliseconds(16),
         {{62, WireTime(62, 115200)}, {62, WireTime(124, 115200)}, {25, milliseconds(16)}}},
    };
    for (const SBurstCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<SSimBurst> bursts = ReplyBursts(c.size, c.faults, c.bps, c.paced, c.phase);
        EXPECT_EQ(bursts, c.bursts);
        const std::size_t total =
            std::accumulate(bursts.begin(), bursts.end(), std::size_t{0},
                            [](std::size_t sum, const SSimBurst& b) { return sum + b.count; });
        EXPECT_EQ(total, c.size) << "every byte is handed over once";
    }
}

// However the timer stands, no byte is handed over before it has crossed the wire, and no byte waits
// longer than one latency period after it has.
TEST(SimReplyDelivery, UsbBurstsNeverRunAheadOfTheWire) {
    for (int bps : {9600, 19200, 115200})
        for (int phaseMs = 1; phaseMs <= 16; phaseMs += 5) {
            SCOPED_TRACE(std::to_string(bps) + " bit/s, phase " + std::to_string(phaseMs));
            const auto bursts = ReplyBursts(149, UsbLatencyFault(16), bps, false, milliseconds(phaseMs));
            std::size_t delivered = 0;
            for (const SSimBurst& burst : bursts) {
                delivered += burst.count;
                EXPECT_GE(burst.at, WireTime(delivered, bps));
                EXPECT_LE(burst.at, WireTime(delivered, bps) + milliseconds(16));
            }
        }
}

}  // namespace

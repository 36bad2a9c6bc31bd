// Line errors, failing status queries and devices that go away, from a port whose driver reports what
// the test says.
#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "tests/link/PtyPeer.h"
#include "tests/link/ScriptedPort.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const Bytes request = WithCrc({0xD0, 0x03, 0xF1, 0x00, 0x00, 0x01});

TEST(LineErrors, AbortTheReceiveInOrderOfPrecedence) {
    struct SCase {
        SLineErrors errors;
        int expected;
    };
    const std::vector<SCase> cases = {
        {{true, true, true, true}, COMM_FRAMING},
        {{false, true, true, true}, COMM_OVERRUN},
        {{false, false, true, true}, COMM_RX_OVERFLOW},
        {{false, false, false, true}, COMM_LINE_ERROR},
    };
    for (const auto& c : cases) {
        SScriptedLink line;
        line.port->errors = c.errors;
        EXPECT_EQ(line.Receive(), c.expected);
        EXPECT_EQ(line.port->queries, 1) << "the first report ends the receive";
        EXPECT_TRUE(line.link->IsOpen()) << "a line error keeps the port";
    }
}

TEST(LineErrors, ReadThatFailsOutrightIsALineError) {
    SScriptedLink line;
    line.port->readFails = true;
    EXPECT_EQ(line.Receive(), COMM_LINE_ERROR);
    EXPECT_TRUE(line.link->IsOpen()) << "a device that is still there stays open";
}

// A driver that does not answer its status query: the receive sleeps and lets the user interface run
// until the time-out, instead of asking again and again.
TEST(LineErrors, FailingStatusQuerySleepsAndPumpsUntilTheTimeOut) {
    SScriptedLink line;
    line.port->queryFails = true;
    const auto start = Clock::now();
    EXPECT_EQ(line.Receive(), COMM_TIMEOUT);
    EXPECT_GE(Clock::now() - start, milliseconds(100));
    EXPECT_GT(line.port->queries, 1);
    EXPECT_LE(line.port->queries, 101) << "no more than one query per millisecond";
    EXPECT_GE(line.pumps, 2);
}

// The same for a link closed under a running exchange (the port then fails every query).
TEST(LineErrors, ReceiveOnAClosedLinkSleepsAndPumpsUntilTheTimeOut) {
    SScriptedLink line;
    ASSERT_EQ(line.link->Close(), COMM_OK);
    EXPECT_EQ(line.Receive(), COMM_TIMEOUT);
    EXPECT_LE(line.port->queries, 101);
    EXPECT_GE(line.pumps, 2);
}

// A device that has gone (an unplugged adapter, a hung-up line) closes the link and tells its owner, so
// that the next operation opens the port again; any other failure keeps the port.
TEST(VanishedDevice, ClosesTheLinkAndTellsItsOwner) {
    struct SCase {
        const char* name;
        bool readFails, writeFails, queryFails, hangsUp, gone;
        bool whileWriting;
        bool closes;
    };
    const std::vector<SCase> cases = {
        {"line hangs up while a reply is awaited", false, false, false, true, false, false, true},
        {"read fails, device gone", true, false, false, false, true, false, true},
        {"status query fails, device gone", false, false, true, false, true, false, true},
        {"write fails, device gone", false, true, false, false, true, true, true},
        {"read fails, device still there", true, false, false, false, false, false, false},
        {"write fails, device still there", false, true, false, false, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SScriptedLink line;
        int lost = 0;
        line.link->SetLinkLostHandler([&lost] { ++lost; });
        line.port->readFails = c.readFails;
        line.port->writeFails = c.writeFails;
        line.port->queryFails = c.queryFails;
        line.port->hangsUp = c.hangsUp;
        line.port->gone = c.gone;
        const auto start = Clock::now();
        const int result = c.whileWriting ? line.link->Write(request.data(), request.size()) : line.Receive();
        EXPECT_NE(result, COMM_OK);
        EXPECT_EQ(line.link->IsOpen(), !c.closes);
        EXPECT_EQ(lost, c.closes ? 1 : 0);
        if (c.closes) {
            EXPECT_LT(Clock::now() - start, milliseconds(100)) << "no wait for the time-out";
        }
    }
}

TEST(VanishedDevice, LinkOpensAgainAfterItClosedItself) {
    SScriptedLink line;
    line.port->hangsUp = true;
    EXPECT_EQ(line.Receive(), COMM_LINE_ERROR);
    ASSERT_FALSE(line.link->IsOpen());
    line.port->hangsUp = false;
    EXPECT_EQ(line.link->Open(1, 0), COMM_OK);
    EXPECT_TRUE(line.link->IsOpen());
}

}  // namespace

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <thread>

#include "core/link/CommUnit.h"
#include "core/link/LineTiming.h"
#include "tests/link/LinkFixture.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const Bytes readRequest = WithCrc({0xD0, 0x03, 0xFA, 0x0E, 0x00, 0x02});
const Bytes readReply = WithCrc({0xD0, 0x03, 0x04, 0x00, 0x01, 0x00, 0x08});

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t to) {
    return Bytes(bytes.begin() + static_cast<long>(from), bytes.begin() + static_cast<long>(to));
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

ScriptedReply ByteByByte(const Bytes& bytes, int pauseMs) {
    ScriptedReply pieces;
    for (std::uint8_t b : bytes) pieces.push_back({{b}, pauseMs});
    return pieces;
}

Bytes WithCorruptedByte(Bytes frame, std::size_t at) {
    frame[at] ^= 0x10;
    return frame;
}

TEST(LineTiming, EndOfFrameGapIsThreeAndAHalfCharactersAtLeastThreeMs) {
    EXPECT_EQ(EndOfFrameGapMs(9600), 4);
    EXPECT_EQ(EndOfFrameGapMs(19200), 3);  // 1.82 rounds up to 2, raised to the minimum
    EXPECT_EQ(EndOfFrameGapMs(14400), 3);  // 2.43 rounds up to 3
    EXPECT_EQ(EndOfFrameGapMs(4800), 8);   // 7.29 rounds up
    for (int bps : BaudTable) {
        if (bps > 9600) {
            EXPECT_EQ(EndOfFrameGapMs(bps), 3) << bps;
        }
    }
}

TEST(LineTiming, WireTimeCountsTenBitsPerByte) {
    EXPECT_EQ(WireTime(1, 9600).count(), 1042);  // rounded up
    EXPECT_EQ(WireTime(12, 9600).count(), 12500);
    EXPECT_EQ(WireTime(45, 115200).count(), 3907);
    EXPECT_EQ(WireTime(0, 9600).count(), 0);
}

struct SReceiveCase {
    const char* name;
    ScriptedReply reply;
    int expectedResult;
    Bytes expectedFrame;  // checked when the result is 0
};

TEST_F(LinkOverPty, ReceiveCollectsOneFrameUntilTheSilence) {
    const std::vector<SReceiveCase> cases = {
        {"whole", {{readReply}}, COMM_OK, readReply},
        {"halved", {{Slice(readReply, 0, 4), 1}, {Slice(readReply, 4, 9)}}, COMM_OK, readReply},
        {"byte by byte", ByteByByte(readReply, 0), COMM_OK, readReply},
        {"junk after a silence stays out", {{readReply, 40}, {{0x55, 0xAA, 0x55}}}, COMM_OK, readReply},
        {"junk glued to the reply", {{Concat(readReply, {0x55, 0xAA})}}, COMM_CRC_ERROR, {}},
        {"corrupted byte", {{WithCorruptedByte(readReply, 4)}}, COMM_CRC_ERROR, {}},
        {"corrupted first CRC byte", {{WithCorruptedByte(readReply, 7)}}, COMM_CRC_ERROR, {}},
        {"corrupted last CRC byte", {{WithCorruptedByte(readReply, 8)}}, COMM_CRC_ERROR, {}},
        {"five-byte exception reply", {{WithCrc({0xD0, 0x83, 0x02})}}, COMM_OK, WithCrc({0xD0, 0x83, 0x02})},
        {"1025 bytes without a pause", {{Bytes(1025, 0x11)}}, COMM_RX_OVERFLOW, {}},
        {"1024 bytes are still a frame", {{Bytes(1024, 0x11)}}, COMM_CRC_ERROR, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        peer.Serve({c.reply});
        std::array<std::uint8_t, RX_BUFFER_SIZE + 8> buffer{};
        buffer.fill(0xEE);
        std::size_t length = 99;
        ASSERT_EQ(link.Write(readRequest.data(), readRequest.size()), COMM_OK);
        const int result = link.Receive(buffer.data(), length);
        peer.Finish();
        EXPECT_EQ(result, c.expectedResult);
        if (c.expectedResult == COMM_OK) {
            EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + static_cast<long>(length)), c.expectedFrame);
            EXPECT_EQ(buffer[length], 0) << "the rest of the buffer is cleared";
        }
        EXPECT_EQ(buffer[RX_BUFFER_SIZE], 0xEE) << "nothing is written past the receive buffer";
        std::this_thread::sleep_for(milliseconds(50));  // let trailing junk arrive before the next write
    }
    EXPECT_EQ(peer.Requests().size(), cases.size());
    EXPECT_EQ(peer.Requests().front(), readRequest);
    EXPECT_GT(pumps, 0) << "the user interface runs while a reply is awaited";
}

TEST_F(LinkOverPty, BytesThatCameBeforeTheRequestAreNotTakenForTheReply) {
    peer.Send({0x01, 0x02, 0x03, 0x04, 0x05, 0x06});
    std::this_thread::sleep_for(milliseconds(30));
    peer.Serve({{{readReply}}});
    std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
    std::size_t length = 0;
    ASSERT_EQ(link.Write(readRequest.data(), readRequest.size()), COMM_OK);
    EXPECT_EQ(link.Receive(buffer.data(), length), COMM_OK);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + static_cast<long>(length)), readReply);
}

// A reply that stops short: one that announces no length and has four bytes never ends and runs into
// the full response time-out, counted from its start; one whose header promised 37 bytes of which 6
// came ends as broken after the inter-byte limit, before the time-out.
TEST_F(LinkOverPty, ReplyThatStopsShort) {
    link.SetResponseTimeout(DEFAULT_RESPONSE_TIMEOUT_MS);
    struct SCase {
        const char* what;
        Bytes bytes;
        int result;
    };
    const SCase cases[] = {
        {"four bytes of the vendor function", {0xD0, 0x45, 0x00, 0x00}, COMM_TIMEOUT},
        {"6 of 37 announced bytes", {0xD0, 0x03, 0x20, 0x00, 0x01, 0x00}, COMM_INCOMPLETE},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        peer.Serve({{{c.bytes}}});
        std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
        std::size_t length = 0;
        ASSERT_EQ(link.Write(readRequest.data(), readRequest.size()), COMM_OK);
        const auto start = Clock::now();
        EXPECT_EQ(link.Receive(buffer.data(), length), c.result);
        const auto elapsed = Clock::now() - start;
        peer.Finish();
        EXPECT_GE(elapsed,
                  c.result == COMM_TIMEOUT ? milliseconds(DEFAULT_RESPONSE_TIMEOUT_MS) : INTER_BYTE_LIMIT);
    }
}

TEST_F(LinkOverPty, OpensTheDeviceTheComNumberIsMappedTo) {
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.DevicePath(), peer.DevicePath());
    EXPECT_EQ(link.PortNum(), TEST_COM_NUMBER);
    EXPECT_EQ(link.BaudIndex(), 0);
}

TEST_F(LinkOverPty, SecondOpenOfAPortInUseFails) {
    CCommUnit other;
    other.SetPortOverrides({{3, peer.DevicePath()}});
    EXPECT_EQ(other.Open(3, 0), COMM_OPEN_FAILED);
    EXPECT_FALSE(other.IsOpen());
    EXPECT_NE(other.OpenFailureReason().find("in use"), std::string::npos) << other.OpenFailureReason();
    // Closing gives the port back.
    ASSERT_EQ(link.Close(), COMM_OK);
    EXPECT_EQ(other.Open(3, 0), COMM_OK) << other.OpenFailureReason();
}

// Opening a link that is open is refused and leaves it as it was: still open on its device, still
// answering, and still giving its exclusive use back when it closes.
TEST_F(LinkOverPty, OpenOfAnOpenLinkFailsWithoutTouchingIt) {
    link.SetPortOverrides({{TEST_COM_NUMBER, peer.DevicePath()}, {4, "/dev/no-such-port"}});
    for (int portNum : {TEST_COM_NUMBER, 4}) {
        EXPECT_EQ(link.Open(portNum, 4), COMM_OPEN_FAILED);
        EXPECT_TRUE(link.IsOpen());
        EXPECT_EQ(link.DevicePath(), peer.DevicePath());
        EXPECT_EQ(link.PortNum(), TEST_COM_NUMBER);
        EXPECT_EQ(link.BaudIndex(), 0);
    }
    peer.Serve({{{readReply}}});
    std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
    std::size_t length = 0;
    ASSERT_EQ(link.Write(readRequest.data(), readRequest.size()), COMM_OK);
    EXPECT_EQ(link.Receive(buffer.data(), length), COMM_OK);
    peer.Finish();
    ASSERT_EQ(link.Close(), COMM_OK);
    CCommUnit other;
    other.SetPortOverrides({{3, peer.DevicePath()}});
    EXPECT_EQ(other.Open(3, 0), COMM_OK) << other.OpenFailureReason();
}

TEST_F(LinkOverPty, CloseTwiceReportsTheSecondAsNotOpen) {
    EXPECT_EQ(link.Close(), COMM_OK);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.Close(), COMM_FAILED);
}

TEST_F(LinkOverPty, ChangeBaudRemembersThePreviousIndex) {
    EXPECT_EQ(link.ChangeBaud(4), COMM_OK);
    EXPECT_EQ(link.BaudIndex(), 4);
    EXPECT_EQ(link.PreviousBaudIndex(), 0);
    EXPECT_EQ(link.Bps(), 115200);
    EXPECT_EQ(link.ChangeBaud(7), COMM_FAILED);
    EXPECT_EQ(link.BaudIndex(), 4) << "a failed change leaves the old speed";
}

// A line that hangs up closes the link at once and tells its owner, whether it goes while a reply is
// awaited or before a request.
TEST_F(LinkOverPty, HungUpLineClosesTheLink) {
    int lost = 0;
    link.SetLinkLostHandler([&lost] { ++lost; });
    link.SetResponseTimeout(DEFAULT_RESPONSE_TIMEOUT_MS);
    ASSERT_EQ(link.Write(readRequest.data(), readRequest.size()), COMM_OK);
    std::thread hangUp([this] {
        std::this_thread::sleep_for(milliseconds(20));
        peer.HangUp();
    });
    std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
    std::size_t length = 0;
    const auto start = Clock::now();
    EXPECT_NE(link.Receive(buffer.data(), length), COMM_OK);
    hangUp.join();
    EXPECT_LT(Clock::now() - start, milliseconds(DEFAULT_RESPONSE_TIMEOUT_MS)) << "no wait for the time-out";
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(lost, 1);
    EXPECT_NE(link.Write(readRequest.data(), readRequest.size()), COMM_OK);
}

TEST(CommUnit, WriteToAHungUpLineClosesTheLink) {
    auto peer = std::make_unique<CPtyPeer>();
    CCommUnit link;
    int lost = 0;
    link.SetLinkLostHandler([&lost] { ++lost; });
    link.SetPortOverrides({{TEST_COM_NUMBER, peer->DevicePath()}});
    ASSERT_EQ(link.Open(TEST_COM_NUMBER, 0), COMM_OK);
    peer->HangUp();
    EXPECT_NE(link.Write(readRequest.data(), readRequest.size()), COMM_OK);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(lost, 1);
}

TEST_F(LinkOverPty, SendBreakHoldsTheLineForTheGivenTime) {
    const auto start = Clock::now();
    link.SendBreak(20);
    EXPECT_GE(Clock::now() - start, milliseconds(20));
    EXPECT_TRUE(link.IsOpen());
}

TEST(CommUnit, CloseOfALinkNeverOpenedDoesNothing) {
    CCommUnit link;
    EXPECT_EQ(link.Close(), COMM_FAILED);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(link.DevicePath().empty());
}

TEST(CommUnit, ComNumbersWithoutMappingFollowTheStandardDevices) {
    CCommUnit link;
    link.SetPortOverrides({{5, "/dev/null-no-such-port"}});
    EXPECT_EQ(link.Open(12, 0), COMM_OPEN_FAILED);
    EXPECT_EQ(link.DevicePath(), "/dev/ttyS11");
    EXPECT_EQ(link.Open(5, 0), COMM_OPEN_FAILED);
    EXPECT_EQ(link.DevicePath(), "/dev/null-no-such-port");
    EXPECT_NE(link.OpenFailureReason().find("No such device"), std::string::npos) << link.OpenFailureReason();
    EXPECT_FALSE(link.IsOpen());
}

TEST(CommUnit, ResponseTimeoutStartsAtThreeSeconds) {
    CCommUnit link;
    EXPECT_EQ(link.GetResponseTimeout(), 3000u);
    link.SetResponseTimeout(250);
    EXPECT_EQ(link.GetResponseTimeout(), 250u);
}

}  // namespace

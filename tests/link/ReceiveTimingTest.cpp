// When the link ends a frame, how it waits and when its requests go out, on a scripted port whose
// bytes become readable at chosen times. The assertions hold however late the test thread runs: a
// late wake-up only finds more bytes waiting.
#include <gtest/gtest.h>

#include <chrono>

#include "core/link/LineTiming.h"
#include "tests/link/PtyPeer.h"
#include "tests/link/ScriptedPort.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

const Bytes request = WithCrc({0xD0, 0x03, 0xF1, 0x00, 0x00, 0x02});
const Bytes reply = WithCrc({0xD0, 0x03, 0x04, 0x12, 0x34, 0x56, 0x78});

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t to) {
    return Bytes(bytes.begin() + static_cast<long>(from), bytes.begin() + static_cast<long>(to));
}

// The silence is counted from the last byte, not from the start of the receive: a reply that begins
// long after the request and pauses for less than the silence is one frame, on a slow line (a wake-up
// per byte) and on fast ones (bytes collected a slice at a time).
TEST(FrameEnd, LateReplyWithABriefPauseIsOneFrame) {
    for (int baudIndex : {0, 4, 5}) {
        SCOPED_TRACE(baudIndex);
        SScriptedLink line;
        ASSERT_EQ(line.link->ChangeBaud(baudIndex), COMM_OK);
        const auto pause = milliseconds(EndOfFrameGapMs(line.link->Bps()) - 2);
        line.port->replies = {
            {{Slice(reply, 0, 6), milliseconds(40)}, {Slice(reply, 6, 9), milliseconds(40) + pause}}};
        Bytes frame;
        EXPECT_EQ(line.Exchange(request, &frame), COMM_OK);
        EXPECT_EQ(frame, reply);
    }
}

// Waiting out the silence after the last byte is one wait for the time that is left, not a chain of
// short steps; a wait for the reply is one wait for the whole time-out when nobody pumps events.
TEST(FrameEnd, SilenceIsOneWaitForTheTimeLeft) {
    SScriptedLink line(false);
    line.port->replies = {{{reply, milliseconds(20)}}};
    Bytes frame;
    EXPECT_EQ(line.Exchange(request, &frame), COMM_OK);
    EXPECT_EQ(frame, reply);
    const auto& waits = line.port->waits;
    ASSERT_FALSE(waits.empty());
    EXPECT_GT(waits.front(), milliseconds(90)) << "the first wait runs until the time-out";
    EXPECT_LE(waits.size(), 2u) << "one wait for the reply, one for the silence after it";
    for (std::size_t i = 1; i < waits.size(); ++i) EXPECT_LE(waits[i], milliseconds(EndOfFrameGapMs(9600)));
}

TEST(FrameEnd, FrameOfFourBytesNeverEnds) {
    SScriptedLink line;
    line.port->replies = {{{Slice(reply, 0, 4), milliseconds(5)}}};
    EXPECT_EQ(line.Exchange(request), COMM_TIMEOUT);
}

// A reply whose header announces its length: the link sleeps through the bytes that must still be on
// the wire instead of waking for each of them, and still ends the frame at the silence after its last
// byte. A header that announces more than comes ends at that silence too, as a broken frame.
TEST(FrameEnd, AnnouncedRestIsSleptThroughNotPolledByteByByte) {
    Bytes longReply{0xD0, 0x03, 0x20};
    for (std::uint8_t i = 0; i < 32; ++i) longReply.push_back(i);
    longReply = WithCrc(longReply);
    const auto byteTime = WireTime(1, 9600);
    TimedReply paced;
    for (std::size_t i = 0; i < longReply.size(); ++i)
        paced.push_back({{longReply[i]}, milliseconds(5) + byteTime * static_cast<long>(i)});

    SScriptedLink line(false);
    line.port->replies = {paced, TimedReply(paced.begin(), paced.begin() + 6)};
    Bytes frame;
    EXPECT_EQ(line.Exchange(request, &frame), COMM_OK);
    EXPECT_EQ(frame, longReply);
    EXPECT_LE(line.port->waits.size(), 6u) << "not one wake-up for each of " << longReply.size() << " bytes";

    EXPECT_EQ(line.Exchange(request, &frame), COMM_CRC_ERROR);
    EXPECT_EQ(frame.size(), 6u);
}

// With a user interface, no wait is longer than the pump interval, and the events are pumped while a
// silent line is waited out; without one, nothing is pumped at all.
TEST(EventPump, LongWaitsAreCutIntoPumpIntervals) {
    SScriptedLink line;
    EXPECT_EQ(line.Exchange(request), COMM_TIMEOUT);
    ASSERT_FALSE(line.port->waits.empty());
    for (const auto wait : line.port->waits) EXPECT_LE(wait, milliseconds(10));
    EXPECT_GE(line.pumps, 2);
}

TEST(EventPump, PauseLetsTheUserInterfaceRun) {
    SScriptedLink pumping;
    pumping.link->Pause(40);
    EXPECT_GE(pumping.pumps, 2);
    SScriptedLink silent(false);
    const auto start = Clock::now();
    silent.link->Pause(40);
    EXPECT_GE(Clock::now() - start, milliseconds(40));
}

// The request goes to the driver in one write.
TEST(Request, GoesOutInOneWrite) {
    SScriptedLink line;
    Bytes longRequest(151, 0x5A);
    longRequest = WithCrc(longRequest);
    ASSERT_EQ(line.link->Write(longRequest.data(), longRequest.size()), COMM_OK);
    ASSERT_EQ(line.port->writes.size(), 1u);
    EXPECT_EQ(line.port->writes[0], longRequest);
}

TEST(Request, DriverTakingItInPartsGetsEveryByteInOrder) {
    SScriptedLink line;
    line.port->writeLimit = 4;
    ASSERT_EQ(line.link->Write(request.data(), request.size()), COMM_OK);
    Bytes sent;
    for (const auto& part : line.port->writes) sent.insert(sent.end(), part.begin(), part.end());
    EXPECT_EQ(sent, request);
}

// A reply given up on while its bytes still come in holds the next request back until the line has
// been silent for the end-of-frame gap after its last byte.
TEST(Request, NextRequestWaitsForTheSilenceAfterTheLastByte) {
    SScriptedLink line;
    line.link->SetResponseTimeout(30);
    TimedReply stream;
    for (int ms = 5; ms <= 50; ms += 2) stream.push_back({{0x11}, milliseconds(ms)});
    line.port->replies = {stream};
    EXPECT_EQ(line.Exchange(request), COMM_TIMEOUT);
    ASSERT_EQ(line.link->Write(request.data(), request.size()), COMM_OK);
    ASSERT_EQ(line.port->writeTimes.size(), 2u);
    EXPECT_GE(line.port->writeTimes[1] - line.port->lastDelivery, milliseconds(EndOfFrameGapMs(9600)));
    EXPECT_GE(line.port->writeTimes[1] - line.port->writeTimes[0], milliseconds(50))
        << "the stream had not ended before";
}

}  // namespace

// When the link ends a frame, how it waits and when its requests go out, on a scripted port whose
// bytes become readable at chosen times. The assertions hold however late the test thread runs: a
// late wake-up only finds more bytes waiting.
#include <gtest/gtest.h>

#include <chrono>

#include "core/link/LineTiming.h"
#include "sim/SimReplyDelivery.h"
#include "tests/link/PtyPeer.h"
#include "tests/link/ScriptedPort.h"
#include "tests/support/BurstyLineFaults.h"

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

// A frame that announces no length and is shorter than the shortest frame never ends: it runs into the
// time-out.
TEST(FrameEnd, UnannouncedFrameOfFourBytesNeverEnds) {
    SScriptedLink line;
    line.port->replies = {{{{0xD0, 0x45, 0x00, 0x18}, milliseconds(5)}}};
    EXPECT_EQ(line.Exchange(request), COMM_TIMEOUT);
}

Bytes ReadReplyOf(std::uint8_t registers) {
    Bytes frame{0xD0, 0x03, static_cast<std::uint8_t>(2 * registers)};
    for (std::uint8_t i = 0; i < 2 * registers; ++i) frame.push_back(static_cast<std::uint8_t>(0x40 + i));
    return WithCrc(frame);
}

// A reply whose header announces its length: the link sleeps through the bytes that must still be on
// the wire instead of waking for each of them.
TEST(FrameEnd, AnnouncedRestIsSleptThroughNotPolledByteByByte) {
    const Bytes longReply = ReadReplyOf(16);
    const auto byteTime = WireTime(1, 9600);
    TimedReply paced;
    for (std::size_t i = 0; i < longReply.size(); ++i)
        paced.push_back({{longReply[i]}, milliseconds(5) + byteTime * static_cast<long>(i)});

    SScriptedLink line(false);
    line.port->replies = {paced};
    Bytes frame;
    EXPECT_EQ(line.Exchange(request, &frame), COMM_OK);
    EXPECT_EQ(frame, longReply);
    EXPECT_LE(line.port->waits.size(), 6u) << "not one wake-up for each of " << longReply.size() << " bytes";
}

// The replies of a line as it really is: a USB adapter's bursts (16 ms, the common default, and 32 ms),
// a pause in the middle of a reply, and pauses up to just under the inter-byte limit. Each is one whole
// frame, at a slow and a fast speed, whatever the phase of the adapter's timer.
TEST(BurstyLine, RepliesInBurstsAndWithPausesAreOneFrame) {
    struct SLine {
        const char* what;
        SSimFaults faults;
    };
    const int nearLimit = static_cast<int>(INTER_BYTE_LIMIT.count()) - 20;
    const SLine lines[] = {{"USB 16 ms", UsbLatencyFault(16)},
                           {"USB 32 ms", UsbLatencyFault(32)},
                           {"pause 20 ms", MidReplyPauseFault(20)},
                           {"pause near the limit", MidReplyPauseFault(nearLimit)}};
    for (const SLine& l : lines)
        for (int baudIndex : {0, 1, 4})
            for (std::uint8_t registers : {2, 16, 72}) {
                SCOPED_TRACE(std::string(l.what) + ", baud index " + std::to_string(baudIndex) + ", " +
                             std::to_string(registers) + " registers");
                SScriptedLink line;
                line.link->SetResponseTimeout(1000);
                ASSERT_EQ(line.link->ChangeBaud(baudIndex), COMM_OK);
                const Bytes whole = ReadReplyOf(registers);
                TimedReply reply;
                std::size_t offset = 0;
                for (const SSimBurst& burst :
                     ReplyBursts(whole.size(), l.faults, line.link->Bps(), false, milliseconds(7))) {
                    reply.push_back({Slice(whole, offset, offset + burst.count), milliseconds(2) + burst.at});
                    offset += burst.count;
                }
                line.port->replies = {reply};
                Bytes frame;
                EXPECT_EQ(line.Exchange(request, &frame), COMM_OK);
                EXPECT_EQ(frame, whole);
            }
}

// A header that announces 37 bytes of which 6 come: the frame ends as broken once no byte has come for
// the inter-byte limit, long before the response time-out, and is never taken for a reply.
TEST(BurstyLine, BrokenOffReplyEndsAfterTheInterByteLimit) {
    const Bytes whole = ReadReplyOf(16);
    SScriptedLink line;
    line.link->SetResponseTimeout(DEFAULT_RESPONSE_TIMEOUT_MS);
    line.port->replies = {{{Slice(whole, 0, 6), milliseconds(5)}}};
    const auto start = Clock::now();
    Bytes frame;
    EXPECT_EQ(line.Exchange(request, &frame), COMM_INCOMPLETE);
    EXPECT_GE(Clock::now() - start, INTER_BYTE_LIMIT);
    EXPECT_EQ(frame.size(), 6u) << "the bytes received are reported";
}

// A frame that stops short of its byte count but ends in a matching CRC (a unit that counts wrong) goes
// up as it came once the inter-byte limit has passed, for the reply checks to refuse; a frame whose
// bytes do not end in a matching CRC broke off.
TEST(BurstyLine, ShortFrameWithAMatchingCrcGoesUpAsItCame) {
    const Bytes shortFrame = WithCrc({0xD0, 0x03, 0x04, 0x00, 0x01});  // announces 9 bytes, has 7
    SScriptedLink line;
    line.link->SetResponseTimeout(1000);
    line.port->replies = {{{shortFrame, milliseconds(5)}}};
    Bytes frame;
    EXPECT_EQ(line.Exchange(request, &frame), COMM_OK);
    EXPECT_EQ(frame, shortFrame);
}

// The vendor function's replies announce no length: one ends at the silence after it, which a burst of a
// USB adapter does not break, and bytes that follow a longer silence stay out of it.
TEST(BurstyLine, UnannouncedReplyEndsAtItsSilence) {
    const Bytes clockReply = WithCrc({0xD0, 0x45, 0x00, 0x18});
    const auto floor = UNANNOUNCED_SILENCE_FLOOR;
    struct SCase {
        const char* what;
        TimedReply reply;
        int result;
        Bytes frame;
    };
    const std::vector<SCase> cases = {
        {"whole", {{clockReply, milliseconds(5)}}, COMM_OK, clockReply},
        {"in two USB bursts",
         {{Slice(clockReply, 0, 3), milliseconds(5)}, {Slice(clockReply, 3, 6), milliseconds(21)}},
         COMM_OK,
         clockReply},
        {"noise after the silence stays out",
         {{clockReply, milliseconds(5)}, {{0x55, 0xAA}, milliseconds(5) + floor + milliseconds(150)}},
         COMM_OK,
         clockReply},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        SScriptedLink line;
        line.link->SetResponseTimeout(1000);
        line.port->replies = {c.reply};
        Bytes frame;
        EXPECT_EQ(line.Exchange(WithCrc({0xD0, 0x45, 0x00, 0x18, 0x12, 0x34, 0x56, 0x78}), &frame), c.result);
        EXPECT_EQ(frame, c.frame);
    }
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

// The link's frame reports as observers see them during real exchanges with the simulated gateway and
// with a scripted peer.
#include <gtest/gtest.h>

#include <array>

#include "core/procedures/ReadParameters.h"
#include "core/procedures/RegisterExchange.h"
#include "core/traffic/FrameDecoder.h"
#include "core/traffic/TrafficRecorder.h"
#include "tests/link/PtyPeer.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

class LinkTap : public SessionOnSim {
protected:
    void Record() { session.link.AddFrameObserver(recorder); }
    void OpenAndRecord() {
        ASSERT_EQ(session.OpenPortIfClosed(), COMM_OK);
        Record();
    }
    std::vector<STrafficFrame> Requests() const { return Only(FrameDirection::Request); }
    std::vector<STrafficFrame> Only(FrameDirection direction) const {
        std::vector<STrafficFrame> out;
        for (const auto& f : frames)
            if (f.direction == direction) out.push_back(f);
        return out;
    }

    std::vector<STrafficFrame> frames;
    CTrafficRecorder recorder{[this](const STrafficFrame& frame) { frames.push_back(frame); }};
};

TEST_F(LinkTap, FullReadYieldsEveryFrameInOrderWithRisingTimes) {
    Start(SimOf(GW_VOSK));
    Record();
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    const auto log = RequestLog();
    const auto requests = Requests();
    ASSERT_EQ(requests.size(), log.size());
    for (std::size_t i = 0; i < log.size(); ++i) EXPECT_EQ(requests[i].bytes, log[i]) << "request " << i;

    // Every request but the speed broadcast is followed by its reply, whole and in time.
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const STrafficFrame& f = frames[i];
        EXPECT_EQ(f.number, i + 1);
        EXPECT_LE(f.firstByte, f.lastByte);
        if (i > 0) {
            EXPECT_LE(frames[i - 1].firstByte, f.firstByte) << "frame " << i;
            EXPECT_GE(f.silenceBefore.count(), 0) << "frame " << i;
        }
        EXPECT_EQ(f.attempt, 1);
        if (f.direction == FrameDirection::Request) {
            const bool broadcast = f.bytes[0] == 0;
            ASSERT_EQ(i + 1 < frames.size() && frames[i + 1].direction == FrameDirection::Reply, !broadcast)
                << "frame " << i;
        } else {
            EXPECT_EQ(f.result, COMM_OK);
            EXPECT_EQ(f.request, frames[i - 1].bytes);
            EXPECT_EQ(DecodeFrame(f).verdict, "OK") << DecodedText(DecodeFrame(f));
            EXPECT_EQ(f.bps, 115200);
        }
    }
}

TEST_F(LinkTap, UnansweredFirstAttemptIsReportedAndTheRetryMarked) {
    Start(SimOf(GW_VOSK));
    SSimFaults faults;
    faults.answerEveryNth = 2;
    SetFaults(faults);
    OpenAndRecord();
    std::vector<std::uint16_t> words;
    ASSERT_EQ(ReadHoldingRegisters(session, 0xF100, 16, words), COMM_OK);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].attempt, 1);
    EXPECT_EQ(frames[1].direction, FrameDirection::Reply);
    EXPECT_EQ(frames[1].result, COMM_TIMEOUT);
    EXPECT_TRUE(frames[1].bytes.empty());
    // The time waited for the reply that never came.
    EXPECT_GE(frames[1].responseTime.count(), 390'000);
    EXPECT_EQ(DecodeFrame(frames[1]).verdict, "time-out");
    EXPECT_EQ(frames[2].bytes, frames[0].bytes);
    EXPECT_EQ(frames[2].attempt, 2);
    EXPECT_EQ(frames[3].attempt, 2);
    EXPECT_EQ(DecodeFrame(frames[3]).verdict, "OK, attempt 2");
}

TEST_F(LinkTap, FailedReceivesCarryTheBytesThatArrived) {
    Start(SimOf(GW_VOSK));
    OpenAndRecord();
    std::vector<std::uint16_t> words;

    SSimFaults corrupt;
    corrupt.corruptCrc = true;
    SetFaults(corrupt);
    EXPECT_NE(ReadHoldingRegisters(session, 0xF100, 2, words), COMM_OK);
    auto replies = Only(FrameDirection::Reply);
    ASSERT_EQ(replies.size(), 2u);
    for (const auto& reply : replies) {
        EXPECT_EQ(reply.result, COMM_CRC_ERROR);
        EXPECT_EQ(reply.bytes.size(), 9u);
        EXPECT_EQ(DecodeFrame(reply).summary, "not decoded: CRC does not match, 9 bytes");
    }

    // Three bytes, then a pause longer than the inter-byte limit: an incomplete frame.
    frames.clear();
    SSimFaults split;
    split.chunkSize = 3;
    split.chunkPauseMs = 1500;
    SetFaults(split);
    session.link.SetResponseTimeout(300);
    EXPECT_NE(ReadHoldingRegisters(session, 0xF100, 2, words), COMM_OK);
    replies = Only(FrameDirection::Reply);
    ASSERT_FALSE(replies.empty());
    EXPECT_EQ(replies[0].result, COMM_INCOMPLETE);
    EXPECT_EQ(replies[0].bytes.size(), 3u);
    EXPECT_EQ(DecodeFrame(replies[0]).verdict, "incomplete frame");
}

TEST(LinkTapOverflow, AnOverflowingReceiveReportsEveryByteItTook) {
    CPtyPeer peer;
    ScriptedHost host;
    CCommUnit link{host};
    link.SetPortOverrides({{7, peer.DevicePath()}});
    ASSERT_EQ(link.Open(7, 0), COMM_OK);
    link.SetResponseTimeout(500);
    std::vector<STrafficFrame> frames;
    CTrafficRecorder recorder([&](const STrafficFrame& frame) { frames.push_back(frame); });
    link.AddFrameObserver(recorder);
    peer.Serve({{{Bytes(1100, 0x5A), 0}}});
    const Bytes request = WithCrc(Bytes{0xD0, 0x03, 0xF1, 0x00, 0x00, 0x01});
    ASSERT_EQ(link.Write(request.data(), request.size()), COMM_OK);
    std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
    std::size_t length = 0;
    EXPECT_EQ(link.Receive(buffer.data(), length), COMM_RX_OVERFLOW);
    peer.Finish();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].result, COMM_RX_OVERFLOW);
    EXPECT_EQ(frames[1].bytes.size(), RX_BUFFER_SIZE);
    EXPECT_EQ(DecodeFrame(frames[1]).verdict, "overflow");

    // Detached, the observer hears nothing more.
    link.RemoveFrameObserver(recorder);
    ASSERT_EQ(link.Write(request.data(), request.size()), COMM_OK);
    EXPECT_EQ(frames.size(), 2u);
}

}  // namespace

// The set-clock reply as units really send it: byte 2 is the status, and a unit may end the frame
// right after it (slave, 45h, status, CRC) or add the sub-function before the CRC.
#include <gtest/gtest.h>

#include "core/service/GatewayClockExchange.h"
#include "tests/link/PtyPeer.h"
#include "tests/support/ScriptedHost.h"

namespace {

constexpr int PEER_COM = 12;
constexpr std::uint8_t SLAVE = 0xD0;

struct SClockReplyCase {
    const char* name;
    Bytes frame;  // without the CRC
    EClockSetOutcome outcome;
};

class SetClockReply : public ::testing::TestWithParam<SClockReplyCase> {
protected:
    void SetUp() override {
        session.link.SetPortOverrides({{PEER_COM, peer.DevicePath()}});
        ASSERT_EQ(session.link.Open(PEER_COM, 0), COMM_OK);
        session.link.SetResponseTimeout(200);
        session.form.flags.portOpen = true;
        session.program.GwSlaveAddress = SLAVE;
    }

    CPtyPeer peer;
    ScriptedHost host;
    CSession session{host};
};

TEST_P(SetClockReply, StatusByteDecidesTheOutcome) {
    const Bytes reply = WithCrc(GetParam().frame);
    // A reply the tool refuses is asked for a second time; the unit answers the same way.
    const bool refused = GetParam().outcome == EClockSetOutcome::Failed;
    peer.Serve(refused ? std::vector<ScriptedReply>{{{reply}}, {{reply}}}
                       : std::vector<ScriptedReply>{{{reply}}});
    EXPECT_EQ(SendGatewayTime(session, 315619200), GetParam().outcome);
    peer.Finish();
    EXPECT_FALSE(session.form.flags.commBusy);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, SetClockReply,
    ::testing::Values(SClockReplyCase{"Done5", {SLAVE, 0x45, 0x00}, EClockSetOutcome::Done},
                      SClockReplyCase{"NotManu5", {SLAVE, 0x45, 0x2E}, EClockSetOutcome::NotManu},
                      SClockReplyCase{"BadTime5", {SLAVE, 0x45, 0x11}, EClockSetOutcome::BadTime},
                      SClockReplyCase{"OtherStatus5", {SLAVE, 0x45, 0x42}, EClockSetOutcome::Done},
                      SClockReplyCase{"Done6", {SLAVE, 0x45, 0x00, 0x18}, EClockSetOutcome::Done},
                      SClockReplyCase{"NotManu6", {SLAVE, 0x45, 0x2E, 0x18}, EClockSetOutcome::NotManu},
                      SClockReplyCase{"BadTime6", {SLAVE, 0x45, 0x11, 0x18}, EClockSetOutcome::BadTime},
                      SClockReplyCase{"NoStatus4", {SLAVE, 0x45}, EClockSetOutcome::Failed}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

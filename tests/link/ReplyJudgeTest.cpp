// The one judge of a reply: a reply answers its request only when address, function, length and what it
// echoes fit; everything else is named for what it is. CheckReply, the transaction's verdict, follows it.
#include <gtest/gtest.h>

#include "core/link/CommResult.h"
#include "core/link/ModbusTransaction.h"
#include "core/link/ReplyClassification.h"
#include "tests/link/PtyPeer.h"
#include "tests/support/TestCaseName.h"

namespace {

const Bytes Read16 = WithCrc({0xD0, 0x03, 0xF1, 0x00, 0x00, 0x10});
const Bytes Write2 = WithCrc({0xD0, 0x10, 0xF1, 0x00, 0x00, 0x02, 0x04, 0x00, 0x01, 0x00, 0x02});
const Bytes Restart = WithCrc({0xD0, 0x05, 0x04, 0x0F, 0xFF, 0x00});
const Bytes SetClock = WithCrc({0xD0, 0x45, 0x00, 0x18, 0x30, 0x00, 0x00, 0x00});
const Bytes SlaveId = WithCrc({0xD0, 0x11});

Bytes ReadReply(std::size_t dataBytes, std::uint8_t byteCount) {
    Bytes frame{0xD0, 0x03, byteCount};
    frame.resize(3 + dataBytes, 0x12);
    return WithCrc(frame);
}

Bytes Glued(const Bytes& a, const Bytes& b) {
    Bytes both = a;
    both.insert(both.end(), b.begin(), b.end());
    return both;
}

struct SJudgeCase {
    const char* name;
    Bytes request;
    Bytes received;
    int receiveResult;
    EReplyKind kind;
    std::size_t dueLength;
    int checkReply;  // CheckReply's verdict on a reply that the receive took whole
};

const SJudgeCase JudgeCases[] = {
    {"read answered", Read16, ReadReply(32, 32), COMM_OK, EReplyKind::Valid, 0, COMM_OK},
    {"read cut to five bytes", Read16, WithCrc({0xD0, 0x03, 0x20}), COMM_OK, EReplyKind::ShortReply, 37,
     COMM_BAD_REPLY},
    {"read with too few registers", Read16, ReadReply(30, 30), COMM_OK, EReplyKind::ShortReply, 37,
     COMM_BAD_REPLY},
    {"read whose byte count lies", Read16, ReadReply(32, 34), COMM_OK, EReplyKind::WrongLength, 37,
     COMM_BAD_REPLY},
    {"read with a byte too many", Read16, ReadReply(33, 33), COMM_OK, EReplyKind::WrongLength, 37,
     COMM_BAD_REPLY},
    {"write confirmed", Write2, WithCrc({0xD0, 0x10, 0xF1, 0x00, 0x00, 0x02}), COMM_OK, EReplyKind::Valid, 0,
     COMM_OK},
    {"write reply cut to five bytes", Write2, WithCrc({0xD0, 0x10, 0xF1}), COMM_OK, EReplyKind::ShortReply, 8,
     COMM_BAD_REPLY},
    {"write echoed by the line", Write2, Write2, COMM_OK, EReplyKind::Echo, 0, COMM_BAD_REPLY},
    {"write reply naming another quantity", Write2, WithCrc({0xD0, 0x10, 0xF1, 0x00, 0x00, 0x01}), COMM_OK,
     EReplyKind::WrongEcho, 0, COMM_BAD_REPLY},
    {"write reply naming another register", Write2, WithCrc({0xD0, 0x10, 0xF1, 0x02, 0x00, 0x02}), COMM_OK,
     EReplyKind::WrongEcho, 0, COMM_BAD_REPLY},
    // A single-coil write is answered with its own bytes: an exact copy is its answer.
    {"restart coil confirmed", Restart, Restart, COMM_OK, EReplyKind::Valid, 0, COMM_OK},
    {"restart coil reply with another value", Restart, WithCrc({0xD0, 0x05, 0x04, 0x0F, 0x00, 0x00}), COMM_OK,
     EReplyKind::WrongEcho, 0, COMM_BAD_REPLY},
    {"restart coil echo with the reply glued on", Restart, Glued(Restart, Restart), COMM_CRC_ERROR,
     EReplyKind::Echo, 0, COMM_BAD_REPLY},
    {"clock set confirmed", SetClock, WithCrc({0xD0, 0x45, 0x00, 0x18}), COMM_OK, EReplyKind::Valid, 0, COMM_OK},
    {"clock reply for another sub-function", SetClock, WithCrc({0xD0, 0x45, 0x00, 0x0F}), COMM_OK,
     EReplyKind::WrongEcho, 0, COMM_BAD_REPLY},
    // Some units end a vendor command's reply right after the status.
    {"clock reply with the status alone", SetClock, WithCrc({0xD0, 0x45, 0x00}), COMM_OK, EReplyKind::Valid, 0,
     COMM_OK},
    {"clock reply with a byte too many", SetClock, WithCrc({0xD0, 0x45, 0x00, 0x18, 0x00}), COMM_OK,
     EReplyKind::WrongLength, 6, COMM_BAD_REPLY},
    {"slave ID answered", SlaveId, WithCrc({0xD0, 0x11, 0x06, 0x82, 0x00, 0x00, 0x12, 0x08, 0x00}), COMM_OK,
     EReplyKind::Valid, 0, COMM_OK},
    {"slave ID without the identification", SlaveId, WithCrc({0xD0, 0x11, 0x01, 0x82}), COMM_OK,
     EReplyKind::ShortReply, 10, COMM_BAD_REPLY},
    {"busy", Write2, WithCrc({0xD0, 0x90, 0x06}), COMM_OK, EReplyKind::Exception, 0, COMM_BUSY},
    {"refused", Read16, WithCrc({0xD0, 0x83, 0x02}), COMM_OK, EReplyKind::Exception, 0, COMM_BAD_REPLY},
    {"exception for another function", Read16, WithCrc({0xD0, 0x90, 0x06}), COMM_OK, EReplyKind::OtherFunction,
     0, COMM_BAD_REPLY},
    {"reply for another function", Read16, WithCrc({0xD0, 0x04, 0x02, 0x00, 0x01}), COMM_OK,
     EReplyKind::OtherFunction, 0, COMM_BAD_REPLY},
    {"another slave", Read16, WithCrc({0xD1, 0x03, 0x02, 0x00, 0x01}), COMM_OK, EReplyKind::OtherAddress, 0,
     COMM_BAD_REPLY},
    {"function above the gateway's highest", WithCrc({0xD0, 0x46}), WithCrc({0xD0, 0x46, 0x00}), COMM_OK,
     EReplyKind::OtherFunction, 0, COMM_BAD_REPLY},
    {"broadcast", WithCrc({0x00, 0x45, 0x00, 0x04, 0x00, 0x14, 0x00, 0x05}), {}, COMM_OK, EReplyKind::Valid, 0,
     COMM_OK},
};

class ReplyJudge : public ::testing::TestWithParam<SJudgeCase> {};

TEST_P(ReplyJudge, NamesWhatCameBackAndCheckReplyAgrees) {
    const SJudgeCase& c = GetParam();
    const SReplyClass judged = ClassifyReply(c.request, c.received, c.receiveResult);
    EXPECT_EQ(judged.kind, c.kind);
    EXPECT_EQ(judged.dueLength, c.dueLength);
    if (c.receiveResult == COMM_OK) {
        EXPECT_EQ(CheckReply(c.request, c.received), c.checkReply);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReplyJudge, ::testing::ValuesIn(JudgeCases),
                         [](const auto& info) { return TestCaseName(info.param.name); });

TEST(ReplyJudge, AReplyThatBrokeOffIsNamedWithTheLengthItAnnounced) {
    const Bytes firstSix = {0xD0, 0x03, 0x06, 0x00, 0x01, 0x00};
    const SReplyClass judged = ClassifyReply(WithCrc({0xD0, 0x03, 0xF1, 0x00, 0x00, 0x03}), firstSix,
                                             COMM_INCOMPLETE);
    EXPECT_EQ(judged.kind, EReplyKind::Incomplete);
    EXPECT_EQ(judged.dueLength, 11u);
    const SReplyClass oneByte = ClassifyReply(Read16, Bytes{0xD0}, COMM_INCOMPLETE);
    EXPECT_EQ(oneByte.kind, EReplyKind::Incomplete);
    EXPECT_EQ(oneByte.dueLength, 0u) << "a single byte never said how long the reply was";
}

}  // namespace

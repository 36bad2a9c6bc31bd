// Faults on demand: each one changes the unit's answer in its own way, and only when switched on.
#include <gtest/gtest.h>

#include <functional>

#include "sim/SimFrame.h"
#include "tests/sim/SimCoreFixture.h"

namespace {

constexpr const char* REQUEST = "D003F1000002";
const std::string GOOD_REPLY = Reply(
    "D00304"
    "8001"
    "0020");

struct SFaultCase {
    const char* name;
    std::function<void(SSimFaults&)> set;
    std::string expected;  // the reply as hex text
};

class SimFaultTest : public ::testing::TestWithParam<SFaultCase> {};

TEST_P(SimFaultTest, ChangesTheReply) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    ASSERT_EQ(line.Ask(REQUEST), GOOD_REPLY);
    GetParam().set(line.core.Faults());
    EXPECT_EQ(line.Ask(REQUEST), GetParam().expected);
    line.core.Faults() = SSimFaults{};
    EXPECT_EQ(line.Ask(REQUEST), GOOD_REPLY);
}

std::string WithLastByteInverted(std::string hex) {
    SimBytes bytes = HexBytes(hex);
    bytes.back() = static_cast<std::uint8_t>(~bytes.back());
    return HexText(bytes);
}

INSTANTIATE_TEST_SUITE_P(
    EachFault, SimFaultTest,
    ::testing::Values(SFaultCase{"Silent", [](SSimFaults& f) { f.silent = true; }, ""},
                      SFaultCase{"CorruptCrc", [](SSimFaults& f) { f.corruptCrc = true; },
                                 WithLastByteInverted(GOOD_REPLY)},
                      SFaultCase{"WrongSlave", [](SSimFaults& f) { f.wrongSlave = true; },
                                 Reply("D10304"
                                       "8001"
                                       "0020")},
                      SFaultCase{"WrongFunction", [](SSimFaults& f) { f.wrongFunction = true; },
                                 Reply("D00204"
                                       "8001"
                                       "0020")},
                      SFaultCase{"ExceptionCode", [](SSimFaults& f) { f.exceptionCode = 6; },
                                 Reply("D08306")},
                      SFaultCase{"Trailing",
                                 [](SSimFaults& f) {
                                     f.trailing = {0xAA, 0x55};
                                 },
                                 GOOD_REPLY + "AA55"},
                      SFaultCase{"WrongByteCount", [](SSimFaults& f) { f.wrongByteCount = true; },
                                 Reply("D00306"
                                       "8001"
                                       "0020")},
                      SFaultCase{"DropRegisters", [](SSimFaults& f) { f.dropRegisters = 1; },
                                 Reply("D00302"
                                       "8001")},
                      SFaultCase{"DropRegistersAndWrongByteCount",
                                 [](SSimFaults& f) {
                                     f.dropRegisters = 1;
                                     f.wrongByteCount = true;
                                 },
                                 Reply("D00304"
                                       "8001")},
                      SFaultCase{"WrongSlaveAndCorruptCrc",
                                 [](SSimFaults& f) {
                                     f.wrongSlave = true;
                                     f.corruptCrc = true;
                                 },
                                 WithLastByteInverted(Reply("D10304"
                                                            "8001"
                                                            "0020"))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimFault, AnswersOnlyEveryNthAttemptAndObeysOnlyThose) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    line.core.Faults().answerEveryNth = 3;
    EXPECT_EQ(line.Ask("D010F3800001020001"), "");
    EXPECT_EQ(line.core.Register(0, 0xF380), 0) << "an unanswered attempt is not obeyed";
    EXPECT_EQ(line.Ask("D010F3800001020002"), "");
    EXPECT_EQ(line.Ask("D010F3800001020003"), Reply("D010F3800001"));
    EXPECT_EQ(line.core.Register(0, 0xF380), 3);
    EXPECT_EQ(line.Ask(REQUEST), "");
    EXPECT_EQ(line.Ask(REQUEST), "");
    EXPECT_EQ(line.Ask(REQUEST), GOOD_REPLY);
}

TEST(SimFault, AnswerEveryNthOfOneAnswersAlways) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    line.core.Faults().answerEveryNth = 1;
    EXPECT_EQ(line.Ask(REQUEST), GOOD_REPLY);
    EXPECT_EQ(line.Ask(REQUEST), GOOD_REPLY);
}

TEST(SimFault, SilentUnitDoesNotObeyWrites) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    line.core.Faults().silent = true;
    EXPECT_EQ(line.Ask("D010F3800001020001"), "");
    EXPECT_EQ(line.Ask("0045000400140005"), "");
    EXPECT_EQ(line.core.Register(0, 0xF380), 0);
    EXPECT_EQ(line.core.LineBps(), 9600);
}

TEST(SimFault, FaultsNeverMakeOtherAddressesAnswer) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    line.core.Faults().exceptionCode = 4;
    line.core.Faults().trailing = {0x00};
    EXPECT_EQ(line.Ask("D103F1000001"), "");
    EXPECT_EQ(line.Ask("0003F1000001"), "");
}

TEST(SimFault, CorruptedReplyFailsTheCrcCheck) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    line.core.Faults().corruptCrc = true;
    EXPECT_FALSE(HasValidCrc(line.core.Handle(Frame(REQUEST), line.now)));
}

}  // namespace
